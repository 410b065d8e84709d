#include "Conversions.h"

#include "surface/Failure.h"

#include <QString>

#include <cmath>

namespace tavrolin::qt {

std::string textFromInteger(std::int16_t value) { return QString::number(value).toStdString(); }

std::string textFromReal(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // 'g' with 15 digits gives the shortest form of up to 15 significant
    // digits: 0.5 is "0,5" under Czech and "0.5" under English.
    return plain.toString(value, 'g', 15).toStdString();
}

double numberFromText(std::string_view text, const QLocale& locale)
{
    const QString trimmed = QString::fromUtf8(text.data(), qsizetype(text.size())).trimmed();
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    // The locale reader takes "inf" and "nan"; neither is a number here.
    if (!ok || !std::isfinite(value))
        throw Failure(error::typeMismatch,
                      "Neshoda typů: text „" + std::string(text) + "“ není číslo.");
    return value;
}

} // namespace tavrolin::qt
