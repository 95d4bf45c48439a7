// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <optional>
#include <utility>

#include <QByteArray>
#include <QHostAddress>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

// A real Hamlib daemon for a test, rotctld or rigctld with its dummy device (model 1) on a
// loopback port, started by the test, logging what it is asked (-vvvvv), and stopped by its
// process id.

// A loopback port nothing listens on just now.
inline quint16 FreeLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class HamlibProcess {
  public:
    HamlibProcess(const char* program, quint16 port)
        : program_(program), port_(port == 0 ? FreeLoopbackPort() : port) {
        process_.setProcessChannelMode(QProcess::MergedChannels);
    }
    ~HamlibProcess() { Stop(); }
    HamlibProcess(const HamlibProcess&) = delete;
    HamlibProcess& operator=(const HamlibProcess&) = delete;

    // Starts the daemon and waits (up to 5 s) until it takes connections.
    bool Start() {
        process_.start(program_,
                       {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_), "-vvvvv"});
        if (!process_.waitForStarted(5000)) {
            return false;
        }
        for (int attempt = 0; attempt < 50; ++attempt) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port_);
            if (probe.waitForConnected(100)) {
                probe.abort();
                return true;
            }
            QTest::qWait(100);
        }
        return false;
    }

    // Ends the daemon by its process id and waits for it.
    void Stop() {
        if (process_.state() == QProcess::NotRunning) {
            return;
        }
        ::kill(static_cast<pid_t>(process_.processId()), SIGTERM);
        if (!process_.waitForFinished(5000)) {
            ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
            process_.waitForFinished(5000);
        }
        log_ += process_.readAll();
    }

    quint16 Port() const { return port_; }

    // What the daemon has logged so far.
    QByteArray Log() {
        log_ += process_.readAll();
        return log_;
    }

    // Sends one command on a connection of the test's own and returns the daemon's answer lines.
    // rigctld 4.5 now and then resets a second client's connection while another client is
    // being served; the command is sent again then, as an operator's program would.
    QByteArray Ask(const QByteArray& command, int lines) {
        QByteArray answer;
        for (int attempt = 0; attempt < 3 && answer.isEmpty(); ++attempt) {
            answer = AskOnce(command, lines);
        }
        return answer;
    }

  private:
    QByteArray AskOnce(const QByteArray& command, int lines) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port_);
        if (!socket.waitForConnected(2000)) {
            return {};
        }
        socket.write(command + "\n");
        QByteArray answer;
        while (answer.count('\n') < lines && socket.waitForReadyRead(2000)) {
            answer += socket.readAll();
        }
        return answer;
    }

  public:
    // The lines of the log that start so; the backend's own lines ("dummy_rot_stop called")
    // are not counted.
    int LinesStartingWith(const QByteArray& start) {
        int count = 0;
        for (const QByteArray& line : Log().split('\n')) {
            count += line.startsWith(start) ? 1 : 0;
        }
        return count;
    }

  private:
    QString program_;
    quint16 port_;
    QProcess process_;
    QByteArray log_;
};

// rotctld with the dummy rotator: it turns some 6 degrees a second, from azimuth 0 and elevation
// 0, and accepts elevations 0 to 90. Its log has "rot_set_position called az=181.30 el=14.00" and
// "rot_stop called", one line per command.
class RotctldProcess : public HamlibProcess {
  public:
    explicit RotctldProcess(quint16 port = 0) : HamlibProcess("rotctld", port) {}
    int MovesReceived() { return LinesStartingWith("rot_set_position called"); }
    int StopsReceived() { return LinesStartingWith("rot_stop called"); }

    // The rotator's position as `p` reports it.
    std::optional<std::pair<double, double>> Position() {
        const QList<QByteArray> lines = Ask("p", 2).split('\n');
        bool azOk = false;
        bool elOk = false;
        if (lines.size() < 2) {
            return std::nullopt;
        }
        const double az = lines[0].toDouble(&azOk);
        const double el = lines[1].toDouble(&elOk);
        if (!azOk || !elOk) {
            return std::nullopt;
        }
        return std::make_pair(az, el);
    }
};

// rigctld with the dummy radio: it takes any frequency, and logs each command as it reads it
// ("rigctl(d): F 'currVFO' '144100000' '' ''").
class RigctldProcess : public HamlibProcess {
  public:
    explicit RigctldProcess(quint16 port = 0) : HamlibProcess("rigctld", port) {}
    // The `F` and `I` commands received.
    int FrequenciesReceived() {
        return LinesStartingWith("rigctl(d): F ") + LinesStartingWith("rigctl(d): I ");
    }
    // The radio's frequency (`f`), or its split VFO's (`i`), hertz; 0 when it does not answer.
    double Frequency(const char* command) { return Ask(command, 1).trimmed().toDouble(); }
};
