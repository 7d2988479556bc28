// Writes the record of a module just built: what the dynamic linker will map
// of it, which the loader compares before loading it.
#include "modules/ModuleImage.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>
#include <variant>

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s MODULE\n", argv[0]);
        return 2;
    }
    const QString module = QString::fromLocal8Bit(argv[1]);
    const auto image = numberlark::readModuleImage(module);
    const auto* read = std::get_if<numberlark::ModuleImage>(&image);
    if (read == nullptr) {
        const auto* reason = std::get_if<QString>(&image);
        std::fprintf(stderr, "%s: %s\n", argv[0],
                     reason != nullptr ? qPrintable(*reason) : "not a module of this machine");
        return 1;
    }
    QSaveFile record(numberlark::moduleRecordPath(module));
    if (!record.open(QIODevice::WriteOnly) || record.write(read->record()) < 0 ||
        !record.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(record.errorString()));
        return 1;
    }
    return 0;
}
