#include "app/Language.h"

#include "app/Errors.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcLanguage, "trv630.language")

namespace trv630 {

namespace {

const char* const englishTranslation = ":/i18n/trv630_en.qm";

// Flags are drawn on a 60 x 36 grid and scaled to the pixmap; 20 x 12 at
// scale 1 fits beside the item text of a 22-pixel drop-down.
constexpr QSize flagSize(20, 12);

void paintPolishFlag(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 60, 18), QColor(0xff, 0xff, 0xff));
    p.fillRect(QRectF(0, 18, 60, 18), QColor(0xdc, 0x14, 0x3c));
}

void paintUnionFlag(QPainter& p)
{
    const QColor blue(0x01, 0x21, 0x69), red(0xc8, 0x10, 0x2e), white(Qt::white);
    p.fillRect(QRectF(0, 0, 60, 36), blue);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(white, 7.2));
    p.drawLine(QLineF(0, 0, 60, 36));
    p.drawLine(QLineF(60, 0, 0, 36));
    p.setPen(QPen(red, 2.4));
    p.drawLine(QLineF(0, 0, 60, 36));
    p.drawLine(QLineF(60, 0, 0, 36));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(24, 0, 12, 36), white);
    p.fillRect(QRectF(0, 12, 60, 12), white);
    p.fillRect(QRectF(26.4, 0, 7.2, 36), red);
    p.fillRect(QRectF(0, 14.4, 60, 7.2), red);
}

QPixmap flagPixmap(int position, qreal scale)
{
    QPixmap pixmap(flagSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(flagSize.width() / 60.0, flagSize.height() / 36.0);
    if (position == 0)
        paintPolishFlag(p);
    else
        paintUnionFlag(p);
    // A thin grey edge so that the white half of the Polish flag shows on a
    // white list background.
    p.resetTransform();
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, flagSize.width() - 1, flagSize.height() - 1));
    return pixmap;
}

} // namespace

Language::Language() = default;

Language::~Language()
{
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
}

void Language::setActive(int n)
{
    if (n == active_)
        return;
    if (n != Polish && n != English)
        throw Error(QStringLiteral("%1: %2 - is not a valid property value!\rValue must be within [1..%3]!")
                        .arg(QStringLiteral("TFMain"))
                        .arg(n)
                        .arg(count));

    if (n == English) {
        if (!translator_) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QString::fromLatin1(englishTranslation)))
                qCWarning(lcLanguage) << "English translation missing:" << englishTranslation;
            translator_ = std::move(translator);
        }
        QCoreApplication::installTranslator(translator_.get());
    } else if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
    }
    active_ = n;
}

QString Language::name(int position)
{
    return position == 0 ? QStringLiteral("Polski") : QStringLiteral("English");
}

QIcon Language::flag(int position)
{
    QIcon icon;
    for (qreal scale : {1.0, 2.0})
        icon.addPixmap(flagPixmap(position, scale));
    return icon;
}

void Language::fillCombo(QComboBox* combo)
{
    combo->clear();
    combo->setIconSize(flagSize);
    for (int position = 0; position < count; ++position)
        combo->addItem(flag(position), name(position));
}

} // namespace trv630
