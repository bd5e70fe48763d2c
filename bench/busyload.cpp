// SPDX-License-Identifier: MIT
#include "busyload.h"

#include <csignal>
#include <stdexcept>
#include <sys/prctl.h>
#include <unistd.h>

BusyLoad::BusyLoad() {
    m_process.setProgram(QStringLiteral("/bin/sh"));
    m_process.setArguments({QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    const pid_t parent = getpid();
    // Runs in the child before the shell starts; the death signal survives the exec.
    m_process.setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) // the benchmark died before the signal was armed
            _exit(1);
    });
    m_process.start();
    if (!m_process.waitForStarted())
        throw std::runtime_error("cannot start the busy shell: " +
                                 m_process.errorString().toStdString());
}

BusyLoad::~BusyLoad() {
    m_process.kill();
    m_process.waitForFinished();
}
