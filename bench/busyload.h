// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>

// A shell spinning in an endless loop, keeping one processor busy for as long as this object
// lives. It is killed when the object goes, and by the kernel should this program die first,
// so no spinning process outlives a benchmark, however it ends.
class BusyLoad {
public:
    // Throws std::runtime_error when the shell cannot be started.
    BusyLoad();
    ~BusyLoad();
    BusyLoad(const BusyLoad&) = delete;
    BusyLoad& operator=(const BusyLoad&) = delete;

    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
};
