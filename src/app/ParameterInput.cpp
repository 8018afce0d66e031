#include "app/ParameterInput.h"

#include "app/Colours.h"
#include "app/Errors.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace trv630 {

std::optional<std::int32_t> parseIntText(const QString& text)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    const QString t = text.trimmed();
    if (!integer.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::optional<float> parseFloatText(const QString& text, QChar decimalSeparator)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    QString t = text.trimmed();
    // Only the regional separator counts; a point under a comma locale is no number.
    if (decimalSeparator != u'.') {
        if (t.contains(u'.'))
            return std::nullopt;
        t.replace(decimalSeparator, u'.');
    }
    if (!number.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    const float single = static_cast<float>(v); // nearest single-precision value
    if (!ok || !std::isfinite(single))
        return std::nullopt;
    return single;
}

QChar regionalDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

std::array<int, 4> addressOctets(const QString& displayText)
{
    std::array<int, 4> octets{};
    for (int i = 0; i < 4; ++i) {
        QString group = displayText.mid(4 * i, 3);
        while (group.endsWith(u' '))
            group.chop(1);
        const auto v = parseIntText(group);
        if (!v)
            throw Error(QStringLiteral("'%1' is not a valid integer value").arg(group));
        octets[i] = *v;
    }
    return octets;
}

QColor background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

void setBackground(QLineEdit* box, const QColor& colour)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

void setStandardBackground(QLineEdit* box)
{
    setBackground(box, QApplication::palette(box).color(QPalette::Base));
}

std::optional<std::int32_t> checkedIntInput(QLineEdit* box, std::int32_t minimum, std::int32_t maximum)
{
    const auto typed = parseIntText(box->text());
    if (!typed) {
        setBackground(box, fromWindowsColour(badInputColour));
        return std::nullopt;
    }
    const std::int32_t v = std::clamp(*typed, minimum, maximum);
    if (v != *typed) {
        box->setText(QString::number(v)); // resets the colour through the change event
        setBackground(box, fromWindowsColour(clampedColour));
    }
    return v;
}

std::optional<float> checkedFloatInput(QLineEdit* box)
{
    const auto v = parseFloatText(box->text(), regionalDecimalSeparator());
    if (!v)
        setBackground(box, fromWindowsColour(badInputColour));
    return v;
}

void showMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(applicationTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace trv630
