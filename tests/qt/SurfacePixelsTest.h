#pragma once

#include <QObject>

class SurfacePixelsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void redrawInBackgroundLeavesNoPixel_data();
    void redrawInBackgroundLeavesNoPixel();
    void lineWithoutColourUsesTheForeground();
    void drawingOutsideTheWindowIsClipped();
    void rowsGiveThePaintersPixels();
    void radiusOneAtWidthTwoIsASolidDot();
    void radiusFiveAtWidthOneIsARing();
    void buttonFaceIsResolvedWhenDrawn();
    void movedLabelLeavesBackgroundBehind();
    void drawingSurvivesARestoredWindow();
    void badPenWidthFails();
    void aCanvasThatCannotBeMadeFailsAndKeepsThePicture();
};
