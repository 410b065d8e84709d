#include "ConversionsTest.h"

#include "surface/Failure.h"
#include "qt/Conversions.h"

#include <QtTest>

using namespace tavrolin;

namespace {
const QLocale czech(QLocale::Czech, QLocale::Czechia);
const QLocale english(QLocale::English, QLocale::UnitedStates);
} // namespace

void ConversionsTest::realsRoundTripInTheirLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("cs 0.5") << czech << 0.5 << "0,5";
    QTest::newRow("cs 1.5") << czech << 1.5 << "1,5";
    QTest::newRow("en 0.5") << english << 0.5 << "0.5";
    QTest::newRow("en 1.5") << english << 1.5 << "1.5";
    QTest::newRow("cs 15 digits") << czech << 0.1 + 0.2 << "0,3";
    QTest::newRow("cs no grouping") << czech << 1234567.25 << "1234567,25";
    QTest::newRow("en no grouping") << english << 1234567.25 << "1234567.25";
}

void ConversionsTest::realsRoundTripInTheirLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    const std::string written = qt::textFromReal(value, locale);
    QCOMPARE(QString::fromStdString(written), text);
    // Written with at most 15 digits, 0.1 + 0.2 reads back as 0.3.
    QCOMPARE(qt::numberFromText(written, locale), text.startsWith("0,3") ? 0.3 : value);
}

void ConversionsTest::integersArePlainDigits()
{
    QCOMPARE(qt::textFromInteger(1), std::string("1"));
    QCOMPARE(qt::textFromInteger(30), std::string("30"));
    QCOMPARE(qt::textFromInteger(0), std::string("0"));
    QCOMPARE(qt::textFromInteger(-12345), std::string("-12345"));
}

void ConversionsTest::blanksAndSignsAreAccepted()
{
    QCOMPARE(qt::numberFromText("  1,5 ", czech), 1.5);
    QCOMPARE(qt::numberFromText("-0,5", czech), -0.5);
    QCOMPARE(qt::numberFromText("+2", czech), 2.0);
    QCOMPARE(qt::numberFromText(" 30", english), 30.0);
}

void ConversionsTest::textThatIsNotANumberFails_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << czech << "";
    QTest::newRow("blanks") << czech << "   ";
    QTest::newRow("word") << czech << "zelená";
    QTest::newRow("point under Czech") << czech << "1.5";
    QTest::newRow("trailing junk") << english << "1.5x";
    QTest::newRow("infinity") << english << "inf";
    QTest::newRow("not a number") << english << "nan";
    QTest::newRow("too large") << english << "1e999";
}

void ConversionsTest::textThatIsNotANumberFails()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    try {
        qt::numberFromText(text.toStdString(), locale);
        QFAIL("no failure");
    } catch (const Failure& f) {
        QCOMPARE(f.number(), error::typeMismatch);
    }
}

void ConversionsTest::defaultLocaleFollowsTheEnvironment()
{
    // The test runs under LANG=C.UTF-8: a decimal point.
    QCOMPARE(QString::fromStdString(qt::textFromReal(0.5)), QString("0.5"));
}

QTEST_MAIN(ConversionsTest)
