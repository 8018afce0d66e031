#include "app/settings/Settings.h"

#include "app/Strings.h"
#include "app/settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace trv630::settings {

QString defaultFileName()
{
    return QStringLiteral("pomiary.csv");
}

void writeFirstRunFile(IniFile& ini)
{
    // One write of the whole file, unless the caller already holds a group.
    const bool ownGroup = !ini.isOpen();
    if (ownGroup)
        ini.open();
    for (const char* key : MathName)
        ini.writeString(Options, key, QString::fromLatin1(defaultMathName));
    for (const char* key : MathUnit)
        ini.writeString(Options, key, QString::fromLatin1(defaultMathUnit));
    for (const char* key : AdcUnit)
        ini.writeString(Options, key, QString());
    for (const char* key : EncUnit)
        ini.writeString(Options, key, QString());
    ini.writeInteger(Options, ScreenTop, 0);
    ini.writeInteger(Options, ScreenLeft, 0);
    ini.writeInteger(Options, Point, 2);
    // In the language in force: start-up applies the stored language only
    // after this, so it is the Polish text.
    ini.writeString(Options, FileName, lookupString(StringId::IDS_42));
    ini.writeInteger(Options, Mod, 1);
    ini.writeBool(Options, SaveAuto, false);
    for (const char* key : RecordField)
        ini.writeBool(Options, key, true);
    for (std::size_t i = 0; i < ChartSeries.size(); ++i)
        ini.writeBool(Options, ChartSeries[i], i == 0);
    ini.writeInteger(Chart, Period, firstRunPeriod);
    ini.writeString(Chart, Title, QString::fromUtf8(firstRunTitle));
    ini.writeInteger(Options, Language, 0);
    if (ownGroup)
        ini.close();
}

QString settingsDirectory(const QString& exeDir)
{
    const QFileInfo dir(exeDir);
    const QFileInfo beside(QDir(exeDir).filePath(QString::fromLatin1(fileName)));
    if ((dir.isDir() && dir.isWritable()) || (beside.isFile() && beside.isWritable()))
        return exeDir;
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (perUser.isEmpty())
        return exeDir; // nowhere better: the write will report the refusal
    QDir().mkpath(perUser);
    return perUser;
}

QString settingsPath(const QString& overrideDir)
{
    const QString dir = overrideDir.isEmpty()
        ? settingsDirectory(QCoreApplication::applicationDirPath())
        : overrideDir;
    return QDir(dir).filePath(QString::fromLatin1(fileName));
}

} // namespace trv630::settings
