// Acceptance run: the program itself (trv630-pc, no --simulate) inside the
// lab finds the emulated module, connects, and logs its measurement reports
// to the file that config.ini names, with logging started by SaveAuto.
#include "lab/LabFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace trv630::lab;

namespace {

class LabAcceptance : public LabTest {};

int recordCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().count("\r\n");
}

TEST_F(LabAcceptance, ProgramConnectsToTheModuleAndLogsItsReports)
{
    // The program keeps config.ini beside its executable: run a copy.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath("trv630-pc");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRV630_PROGRAM), program));
    const QString logFile = dir.filePath("lab-pomiary.csv");
    {
        QFile ini(dir.filePath("config.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[Options]\r\nFileName=%1\r\nSaveAuto=1\r\n").arg(logFile).toUtf8());
    }

    lab->plug(HidLab::Module, false);
    lab->plug(HidLab::OtherProduct, false);
    lab->setStreaming(true);

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "trv630.link.debug=true");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted(5000));

    // Connected: the firmware-version request of 65 bytes reached the module.
    QTRY_VERIFY_WITH_TIMEOUT(!lab->writes().empty(), 10000);
    const std::vector<std::uint8_t> firmwareRequest = [] {
        std::vector<std::uint8_t> r(65, 0);
        r[0] = 1, r[1] = 1, r[2] = 27;
        return r;
    }();
    EXPECT_EQ(lab->writes().front(), firmwareRequest);

    // Logging: records (one per measurement report, CR LF ends) reach the file
    // within the one-second save cycle.
    QTRY_VERIFY_WITH_TIMEOUT(recordCount(logFile) >= 100, 10000);

    // Unplug and replug while it runs: it reconnects and logs on.
    lab->unplug(HidLab::Module);
    QTest::qWait(300);
    const int beforeReplug = recordCount(logFile);
    lab->plug(HidLab::Module);
    lab->setStreaming(true);
    QTRY_VERIFY_WITH_TIMEOUT(recordCount(logFile) >= beforeReplug + 100, 10000);

    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
    const QString output = QString::fromLocal8Bit(process.readAll());
    EXPECT_TRUE(output.contains("output report length 65")) << output.toStdString();

    QFile file(logFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GT(lines.size(), 1);
    EXPECT_TRUE(lines.front().endsWith('\r'));
    EXPECT_TRUE(lines.front().contains(';'));
    RecordProperty("records", recordCount(logFile));
}

} // namespace
