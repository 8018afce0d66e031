#include "app/InterfaceFont.h"

#include <QFile>
#include <QFontDatabase>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcFont, "trv630.font")

namespace trv630 {

bool loadTahoma()
{
    static const bool loaded = [] {
        if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
            return true;
        bool any = false;
        for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf",
                                 "/usr/share/wine/fonts/tahomabd.ttf"}) {
            const QString path = QString::fromLatin1(file);
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
                any = true;
        }
        if (!any)
            qCInfo(lcFont) << "Tahoma not installed (fonts-wine); using the nearest sans-serif font";
        return any;
    }();
    return loaded;
}

QFont tahoma(int pixelSize)
{
    loadTahoma();
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace trv630
