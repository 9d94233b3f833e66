#include "support/TempDir.h"

#include "app/EnvSettings.h"
#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using testing_support::IsolatedUserDirs;

namespace {

// Waits until an instance answers on the socket of the current settings.
bool WaitForInstance(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (CSingleInstance::NotifyRunningInstance({}, 500))
            return true;
        QThread::msleep(100);
    }
    return false;
}

QString SocketPath()
{
    const QString name = CSingleInstance::ServerName();
    return name.startsWith(QLatin1Char('/')) ? name : QDir::tempPath() + QLatin1Char('/') + name;
}

class GuiProcess {
public:
    GuiProcess()
    {
        m_process.setProgram(QStringLiteral(KESTREL_GUI_PATH));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(env);
        m_process.start();
    }
    ~GuiProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
};

TEST(SingleInstanceTest, SocketNameDependsOnTheSettingsLocation)
{
    QString first, second;
    {
        IsolatedUserDirs user;
        first = CSingleInstance::ServerName();
    }
    {
        IsolatedUserDirs user;
        second = CSingleInstance::ServerName();
    }
    EXPECT_NE(first, second);
}

TEST(SingleInstanceTest, NoInstanceMeansNobodyAnswers)
{
    IsolatedUserDirs user;
    EXPECT_FALSE(CSingleInstance::NotifyRunningInstance({}, 300));
}

TEST(SingleInstanceTest, PathsReachTheRunningInstanceByteForByte)
{
    IsolatedUserDirs user;
    CSingleInstance first;
    ASSERT_TRUE(first.Listen());
    QSignalSpy requested(&first, &CSingleInstance::activationRequested);
    const QList<QByteArray> paths = {"/tmp/a folder", "/tmp/\xff\xfe.txt", "/tmp/line\nbreak"};
    // The answer comes only once this thread's loop runs, after the wait.
    EXPECT_TRUE(CSingleInstance::NotifyRunningInstance(paths, 200));
    ASSERT_TRUE(requested.wait(5000));
    EXPECT_EQ(requested.front().front().value<QList<QByteArray>>(), paths);

    EXPECT_TRUE(CSingleInstance::NotifyRunningInstance({}, 200));
    ASSERT_TRUE(requested.wait(5000));
    EXPECT_TRUE(requested.back().front().value<QList<QByteArray>>().isEmpty());
}

TEST(SingleInstanceTest, LeftoverSocketIsReplacedButALiveOneIsNot)
{
    IsolatedUserDirs user;
    // A socket file nobody listens on, as a killed instance leaves it.
    const QByteArray path = SocketPath().toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);

    CSingleInstance first;
    EXPECT_TRUE(first.Listen());
    CSingleInstance second;
    EXPECT_FALSE(second.Listen());
    EXPECT_TRUE(first.IsListening());
}

TEST(SingleInstanceTest, SecondStartRaisesTheFirstAndEnds)
{
    IsolatedUserDirs user;
    GuiProcess first;
    ASSERT_TRUE(first.process().waitForStarted(10000));
    ASSERT_TRUE(WaitForInstance(20000)) << "the first instance never listened";

    GuiProcess second;
    ASSERT_TRUE(second.process().waitForFinished(15000));
    EXPECT_EQ(second.process().exitCode(), 0);
    EXPECT_EQ(first.process().state(), QProcess::Running);
}

TEST(SingleInstanceTest, WithMultipleInstancesAllowedEveryStartRuns)
{
    IsolatedUserDirs user;
    {
        CEnvSettings env;
        env.Load();
        env.IsMultiExec = 1;
        ASSERT_TRUE(env.Save("StartUp"));
    }
    GuiProcess first;
    ASSERT_TRUE(first.process().waitForStarted(10000));
    ASSERT_TRUE(WaitForInstance(20000));
    GuiProcess second;
    ASSERT_TRUE(second.process().waitForStarted(10000));
    EXPECT_FALSE(second.process().waitForFinished(2000));
    EXPECT_EQ(second.process().state(), QProcess::Running);
}

} // namespace
