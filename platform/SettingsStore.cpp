// The settings store outside Windows: each key is a small text file under the
// user's configuration folder, in the manner of a registry export, so a user
// can read and mend it by hand:
//
//     "Method"=dword:00000001
//     "Comment"="any text"
//
// The key "Software\RGB Colour Picker" is the file
// $XDG_CONFIG_HOME/tinquor/Software/RGB Colour Picker.reg; its subkeys live in
// the folder of the same name beside it. Every read looks at the file afresh,
// as the registry would show another writer's change, and every write replaces
// the file atomically so a crash never leaves half a file behind.
#if !defined(_WIN32)

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace platform {

namespace {

QString BaseFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base = !xdg.isEmpty() && QDir::isAbsolutePath(xdg)
        ? xdg
        : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/tinquor");
}

// The folder-relative path of a key, or nothing for a path that could leave
// the settings folder or name no key at all.
std::optional<QString> KeyPath(const std::string& path)
{
    QStringList parts;
    for (const QString& part : QString::fromStdString(path).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".") || part == QLatin1String("..") || part.contains(QLatin1Char('/'))
            || part.contains(QChar(0)))
            return std::nullopt;
        parts << part;
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts.join(QLatin1Char('/'));
}

QString Quote(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

// Reads a quoted text at line[pos] and moves pos past it.
std::optional<QString> Unquote(const QString& line, qsizetype& pos)
{
    if (pos >= line.size() || line[pos] != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return out;
        }
        if (c == QLatin1Char('\\')) {
            if (++pos >= line.size())
                return std::nullopt;
        }
        out += line[pos];
    }
    return std::nullopt;
}

struct Line {
    QString text;                 // the line as it stands in the file
    std::optional<QString> name;  // the value it holds, when it is a value line
    QString data;                 // what follows "name"=
};

Line Parse(const QString& text)
{
    Line line{text, std::nullopt, {}};
    qsizetype pos = 0;
    auto name = Unquote(text, pos);
    if (name && pos < text.size() && text[pos] == QLatin1Char('=')) {
        line.name = std::move(name);
        line.data = text.mid(pos + 1).trimmed();
    }
    return line;
}

std::optional<std::int32_t> DwordOf(const QString& data)
{
    static const QString prefix = QStringLiteral("dword:");
    if (!data.startsWith(prefix))
        return std::nullopt;
    const QString digits = data.mid(prefix.size());
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    bool ok = false;
    const uint v = digits.toUInt(&ok, 16);
    // toUInt accepts a sign or a 0x prefix; a dword is hexadecimal digits only.
    for (QChar c : digits)
        if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c))
            ok = false;
    if (!ok)
        return std::nullopt;
    return std::int32_t(v);
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

class SettingsKey::Backend {
public:
    explicit Backend(QString file) : file_(std::move(file)) {}

    std::optional<QList<Line>> Lines() const
    {
        QFile f(file_);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            return std::nullopt;
        QList<Line> lines;
        const QStringList texts = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        for (const QString& t : texts)
            if (!t.trimmed().isEmpty())
                lines << Parse(t);
        return lines;
    }

    // Sets one value and writes the whole file back, keeping every other line.
    bool Write(const QString& name, const QString& data)
    {
        // One value is one line: a name that would break the line is refused.
        if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
            return false;
        // A key removed since it was opened stays removed, as in the registry.
        if (!QFileInfo(file_).isFile())
            return false;
        auto lines = Lines();
        if (!lines)
            return false;
        const QString text = Quote(name) + QLatin1Char('=') + data;
        bool replaced = false;
        for (Line& l : *lines)
            if (l.name && SameName(*l.name, name)) {
                l = Parse(text);
                replaced = true;
                break;
            }
        if (!replaced)
            lines->append(Parse(text));
        QSaveFile out(file_);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
            return false;
        for (const Line& l : *lines)
            out.write((l.text + QLatin1Char('\n')).toUtf8());
        return out.commit();
    }

    const QString& File() const { return file_; }

private:
    QString file_;
};

SettingsKey::SettingsKey() = default;
SettingsKey::~SettingsKey() = default;

bool SettingsKey::Open(const std::string& path, bool create)
{
    Close();
    const QString base = BaseFolder();
    const auto key = KeyPath(path);
    if (base.isEmpty() || !key)
        return false;
    const QString file = base + QLatin1Char('/') + *key + QStringLiteral(".reg");
    const QFileInfo info(file);
    if (!info.exists()) {
        if (!create || !QDir().mkpath(info.absolutePath()))
            return false;
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
    } else if (!info.isFile()) {
        return false;
    }
    backend_ = std::make_unique<Backend>(file);
    return true;
}

bool SettingsKey::IsOpen() const { return backend_ != nullptr; }

bool SettingsKey::ReadInteger(const std::string& name, std::int32_t& value) const
{
    if (!backend_)
        return false;
    const auto lines = backend_->Lines();
    if (!lines)
        return false;
    const QString wanted = QString::fromStdString(name);
    for (const Line& l : *lines)
        if (l.name && SameName(*l.name, wanted)) {
            const auto v = DwordOf(l.data);
            if (!v)
                return false;
            value = *v;
            return true;
        }
    return false;
}

bool SettingsKey::WriteInteger(const std::string& name, std::int32_t value)
{
    if (!backend_)
        return false;
    return backend_->Write(QString::fromStdString(name),
                           QStringLiteral("dword:%1").arg(std::uint32_t(value), 8, 16, QLatin1Char('0')));
}

bool SettingsKey::WriteString(const std::string& name, const std::string& value)
{
    if (!backend_)
        return false;
    QString text = QString::fromStdString(value);
    // One value is one line.
    text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return backend_->Write(QString::fromStdString(name), Quote(text));
}

void SettingsKey::Close() { backend_.reset(); }

bool SettingsKey::DeleteKey(const std::string& path)
{
    const QString base = BaseFolder();
    const auto key = KeyPath(path);
    if (base.isEmpty() || !key)
        return false;
    const QString stem = base + QLatin1Char('/') + *key;
    QDir subkeys(stem);
    if (subkeys.exists())
        subkeys.removeRecursively();
    return QFile::remove(stem + QStringLiteral(".reg"));
}

} // namespace platform

#endif
