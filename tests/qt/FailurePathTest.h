#pragma once

#include <QObject>

class FailurePathTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void unreadableSettingShowsTheErrorAndExitsNonZero();
    void closingTheWindowDuringARunWaitsForTheRunsEnd();
    void clicksDuringARunRunAfterItInOrder();
};
