// SPDX-License-Identifier: MIT
// Replays saved fuzz inputs without libFuzzer, so the ordinary test run (and its sanitized
// build) keeps every input that ever found a fault from finding it again. Each argument is a
// file or a directory of files; any fault aborts, as under the fuzzer.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int replayFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "replay: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
    return 0;
}

QStringList inputsIn(const QString& path) {
    if (!QFileInfo(path).isDir())
        return {path};
    const QDir directory(path);
    QStringList inputs;
    for (const QString& name : directory.entryList(QDir::Files, QDir::Name))
        inputs << directory.filePath(name);
    return inputs;
}

} // namespace

int main(int argc, char* argv[]) {
    int failures = 0;
    int replayed = 0;
    for (int i = 1; i < argc; ++i)
        for (const QString& input : inputsIn(QString::fromLocal8Bit(argv[i]))) {
            failures += replayFile(input);
            ++replayed;
        }
    std::printf("replayed %d inputs\n", replayed);
    return failures == 0 && replayed > 0 ? 0 : 1;
}
