// Feeds every file of the corpus folders (or single files) given as arguments to the fuzz entry point,
// so a build without libFuzzer replays what the fuzzer found.
#include <cstdint>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        QStringList files;
        if (info.isDir()) {
            for (const QString &name : QDir(info.filePath()).entryList(QDir::Files, QDir::Name))
                files << info.dir().filePath(info.fileName() + QLatin1Char('/') + name);
        } else {
            files << info.filePath();
        }
        for (const QString &path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "Cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray data = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
            ++replayed;
        }
    }
    std::printf("Replayed %d inputs\n", replayed);
    // An empty corpus replays nothing and guards nothing.
    return replayed > 0 ? 0 : 1;
}
