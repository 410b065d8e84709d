#pragma once

#include <QObject>

class RunPictureTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void plateIsGlassColouredWithTheLastRaysOverIt();
    void axesAndReferenceLinesStand();
    void curveFollowsTheInterferenceFormula();
    void resultantsLeaveAPaleRedFan();
    void captionsStandAtTheirPlaces();
    void laterRunAsksInATavrolinBoxWithYesAsDefault();
};
