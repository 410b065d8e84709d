#pragma once

#include <QObject>

class ProgramE2eTest : public QObject {
    Q_OBJECT
private:
    // What the first run at the default settings leaves on the screen.
    void checkFirstRun(const QImage& done);

private slots:
    void init();
    void cleanup();
    void opensMaximizedWithTheLayoutsControls();
    void restoredWindowHasTheLayoutsClientSize();
    void optionButtonsScrollBarAndKonecAnswerClicks();
    void startRunsTheWholeAnimationAtItsPace();
    void laterRunsAskAndYesClearsTheGraphWhileNoKeepsIt();
    void clicksDuringARunTakeEffectAfterItInOrder();
    void closingTheWindowDuringARunEndsTheProgramAfterTheRun();
    void konecHeldBehindASecondStartEndsTheProgramAfterThatRun();
    void inputHeldBehindAStartWaitsForItsQuestionAndRun();
    void keyboardAloneChoosesSettingsAndStartsARun();
    void presentationModeFitsTheSceneToTheScreenAndEscapeReturns();
    void aPausedSteppedRunEndsAsAnUnpausedOne();
    void theToneFollowsTheCurveWithoutClicks();
};
