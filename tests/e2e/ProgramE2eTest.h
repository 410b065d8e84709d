#pragma once

#include <QObject>

class ProgramE2eTest : public QObject {
    Q_OBJECT
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
};
