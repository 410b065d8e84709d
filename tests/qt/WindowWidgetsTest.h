#pragma once

#include <QObject>

class WindowWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyControlHasItsNameGeometryAndFont();
    void onlyTheLayoutsVisibleControlsShowAfterStartUp();
    void backgroundsAreTheLayoutsColours();
    void windowCaptionSizeAndFocus();
    void tabFromStartSkipsTitleHiddenControlsAndFrames();
    void arrowKeysMoveTheSelectionAndRunTheHandler();
    void scrollBarWritesEveryChange();
    void userClickOnAFrequencyButtonRunsItsChain();
    void konecClosesTheWindow();
    void keyboardAloneStartsARunAndEndsTheProgram();
    void controlsWithoutCaptionsHaveAccessibleNames();
    void axisLabelBitmapIsTheDescribedImage();
    void everyTextOfEveryLanguageFitsItsControl();
};
