#pragma once

#include <QObject>

class ConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void realsRoundTripInTheirLocale_data();
    void realsRoundTripInTheirLocale();
    void integersArePlainDigits();
    void blanksAndSignsAreAccepted();
    void textThatIsNotANumberFails_data();
    void textThatIsNotANumberFails();
    void defaultLocaleFollowsTheEnvironment();
};
