#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace numberlark {

// What the dynamic linker maps of a module: the bytes of its loadable
// segments, as far into the file as they reach (extent), and a BLAKE2b-256 of
// them. The ELF header's fields that say where the section table is are left
// out: stripping moves that table and nothing else the linker maps, so a
// module reads the same before and after the package strips it.
struct ModuleImage {
    qint64 extent = 0;
    QByteArray digest; // BLAKE2b-256, in hex

    // The record kept next to a module when it is built: "<extent> <digest>".
    QByteArray record() const;
    static std::optional<ModuleImage> fromRecord(const QByteArray& record);
    bool operator==(const ModuleImage&) const = default;
};

// A file the dynamic linker refuses by itself, without mapping any of it (not
// an ELF file of this machine's class).
struct NotThisMachinesModule {};

// The image of the module at `path`, or why it is damaged (a sentence that
// names the file). A file that is cut short inside a loadable segment is
// damaged: mapped, it would crash the program when that part is reached.
std::variant<ModuleImage, NotThisMachinesModule, QString> readModuleImage(const QString& path);

// The file the module's record is kept in.
QString moduleRecordPath(const QString& modulePath);

// Why the module at `path` must not be loaded (damaged, cut short, or not as
// recorded when it was built); empty when it may be handed to the dynamic
// linker, which refuses what is not a module of this machine on its own.
std::optional<QString> moduleDamage(const QString& path);

} // namespace numberlark
