#include "modules/ModuleImage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <elf.h>
#include <link.h>

#include <algorithm>
#include <cstring>

namespace numberlark {

namespace {

using Header = ElfW(Ehdr);
using Segment = ElfW(Phdr);
#if __ELF_NATIVE_CLASS == 64
constexpr unsigned char kNativeClass = ELFCLASS64;
#else
constexpr unsigned char kNativeClass = ELFCLASS32;
#endif

// No module of the program comes near this; a bigger file is not one.
constexpr qint64 kLargestModule = qint64(512) << 20;

QString damaged(const QString& path, const char* what)
{
    return QCoreApplication::translate("ModuleLoader", what).arg(QDir::toNativeSeparators(path));
}

QString cutShort(const QString& path, qint64 size, qint64 needed)
{
    //: %1 is the module's file; %2 and %3 are numbers of bytes.
    return QCoreApplication::translate(
               "ModuleLoader", "%1: damaged: the file is cut short (%2 bytes where %3 are needed)")
        .arg(QDir::toNativeSeparators(path))
        .arg(size)
        .arg(needed);
}

// Whether [offset, offset + length) lies within `size` bytes, without overflow.
bool within(quint64 offset, quint64 length, quint64 size)
{
    return offset <= size && length <= size - offset;
}

} // namespace

QByteArray ModuleImage::record() const
{
    return QByteArray::number(extent) + ' ' + digest + '\n';
}

std::optional<ModuleImage> ModuleImage::fromRecord(const QByteArray& record)
{
    const QList<QByteArray> fields = record.simplified().split(' ');
    bool isNumber = false;
    const qint64 extent = fields.size() == 2 ? fields[0].toLongLong(&isNumber) : 0;
    if (!isNumber || extent <= 0 || fields[1].size() != 64) {
        return std::nullopt;
    }
    return ModuleImage{extent, fields[1]};
}

std::variant<ModuleImage, NotThisMachinesModule, QString> readModuleImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    }
    if (file.size() > kLargestModule) {
        return damaged(path, QT_TRANSLATE_NOOP("ModuleLoader", "%1: not a Numberlark module"));
    }
    // Read, not mapped: a file cut short while it is read gives a short read,
    // never a crash.
    QByteArray bytes = file.readAll();
    const auto size = static_cast<quint64>(bytes.size());
    Header header{};
    if (size < sizeof header || std::memcmp(bytes.constData(), ELFMAG, SELFMAG) != 0 ||
        static_cast<unsigned char>(bytes[EI_CLASS]) != kNativeClass) {
        return NotThisMachinesModule{};
    }
    std::memcpy(&header, bytes.constData(), sizeof header);
    if (header.e_phentsize != sizeof(Segment) ||
        !within(header.e_phoff, quint64(header.e_phnum) * sizeof(Segment), size)) {
        return cutShort(path, bytes.size(),
                        qint64(header.e_phoff + quint64(header.e_phnum) * sizeof(Segment)));
    }
    std::vector<Segment> loaded;
    quint64 extent = 0;
    for (int i = 0; i < header.e_phnum; ++i) {
        Segment segment{};
        std::memcpy(&segment, bytes.constData() + header.e_phoff + i * sizeof(Segment),
                    sizeof segment);
        if (segment.p_type == PT_LOAD) {
            loaded.push_back(segment);
            extent = std::max<quint64>(extent, segment.p_offset + segment.p_filesz);
        }
    }
    for (const Segment& segment : loaded) {
        if (!within(segment.p_offset, segment.p_filesz, size)) {
            return cutShort(path, bytes.size(), qint64(extent));
        }
    }
    header.e_shoff = 0;
    header.e_shentsize = 0;
    header.e_shnum = 0;
    header.e_shstrndx = 0;
    std::memcpy(bytes.data(), &header, sizeof header);
    QCryptographicHash digest(QCryptographicHash::Blake2b_256);
    for (const Segment& segment : loaded) {
        digest.addData(
            QByteArrayView(bytes).sliced(qsizetype(segment.p_offset), qsizetype(segment.p_filesz)));
    }
    return ModuleImage{qint64(extent), digest.result().toHex()};
}

QString moduleRecordPath(const QString& modulePath)
{
    return modulePath + QStringLiteral(".digest");
}

std::optional<QString> moduleDamage(const QString& path)
{
    const auto image = readModuleImage(path);
    if (const auto* reason = std::get_if<QString>(&image)) {
        return *reason;
    }
    const auto* read = std::get_if<ModuleImage>(&image);
    if (read == nullptr) {
        return std::nullopt;
    }
    QFile recordFile(moduleRecordPath(path));
    const std::optional<ModuleImage> recorded = recordFile.open(QIODevice::ReadOnly)
                                                    ? ModuleImage::fromRecord(recordFile.read(256))
                                                    : std::nullopt;
    if (!recorded) {
        //: %1 is the module's file, %2 the file that records what it was built with.
        return QCoreApplication::translate("ModuleLoader",
                                           "%1: cannot be checked: %2 is missing or unreadable")
            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(moduleRecordPath(path)));
    }
    if (*read != *recorded) {
        return damaged(path, QT_TRANSLATE_NOOP("ModuleLoader",
                                               "%1: damaged: it is not the module that was built"));
    }
    return std::nullopt;
}

} // namespace numberlark
