// The real program, stopped from outside while it logs: it stores its
// settings, ends the measurement file on a complete record, and exits 0.
#include "AppTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(ProgramShutdown, StopSignalWhileLoggingEndsWithACompleteFileAndStoredSettings)
{
    QTemporaryDir dir;
    // config.ini lives beside the executable: run a copy in the temp dir.
    const QString program = dir.filePath(QStringLiteral("trv630-pc"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRV630_BINARY_DIR "/trv630-pc"), program));
    const QString csv = dir.filePath(QStringLiteral("pomiary.csv"));
    writeFile(dir.filePath(QStringLiteral("config.ini")),
              QStringLiteral("[Options]\r\nSaveAuto=1\r\nFileName=%1\r\nScreenLeft=15\r\nScreenTop=25\r\n")
                  .arg(csv)
                  .toUtf8());

    for (int signal : {SIGTERM, SIGINT}) {
        QFile::remove(csv);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(program, {QStringLiteral("--simulate")});
        ASSERT_TRUE(process.waitForStarted(5000));
        // Wait until records arrive (the simulated module sends every 10 ms).
        for (int i = 0; i < 100 && QFileInfo(csv).size() == 0; ++i)
            QThread::msleep(50);
        ASSERT_GT(QFileInfo(csv).size(), 0) << "no records written";
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(process.exitCode(), 0);

        const QString records = readFile(csv);
        EXPECT_TRUE(records.endsWith(QStringLiteral("\r\n"))) << "last record cut short";
        const QString settings = readFile(dir.filePath(QStringLiteral("config.ini")));
        EXPECT_TRUE(settings.contains(QStringLiteral("SaveOutput=1"))) << settings.toStdString();
        EXPECT_TRUE(settings.contains(QStringLiteral("Chart14="))) << settings.toStdString();
    }
}

} // namespace
