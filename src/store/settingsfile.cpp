#include "store/settingsfile.h"

#include <algorithm>
#include <cstring>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringEncoder>

#include "core/players/storekeys.h"

namespace zel {

namespace {
constexpr int strangersnamed = 3;  // a file full of junk is named by its first few lines only

bool plainkeychar(char16_t ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' ||
           ch == '.';
}

// A key or a section name as QSettings writes it: plain letters as they are, others by their number.
QByteArray inikey(const QString& key) {
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const QChar qch : key) {
        const char16_t ch = qch.unicode();
        if (ch == '/') {
            out += '\\';
        } else if (plainkeychar(ch)) {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hex[ch / 16];
            out += hex[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += hex[(ch >> shift) & 0xF];
        }
    }
    return out;
}

bool hexdigit(char16_t ch) { return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'); }

// A line of the file as a message can show it: its first characters, the unprintable ones as '?'.
QString shown(const QString& line) {
    QString out = line.left(40);
    for (QChar& c : out)
        if (!c.isPrint() || c == QChar::ReplacementCharacter) c = QLatin1Char('?');
    return line.size() > 40 ? out + QStringLiteral("...") : out;
}

QString textof(const QVariant& value) {
    // A hand-edited value with commas reads back as a list; its text is kept as written.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// Where the file's folder is, or would be made: the nearest folder that is there must be one, and
// writable.
QString folderfault(const QString& path, bool& writable) {
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo::exists(folder) && folder != QFileInfo(folder).absolutePath()) folder = QFileInfo(folder).absolutePath();
    writable = false;
    if (!QFileInfo(folder).isDir()) return QStringLiteral("%1 is a file, not a folder").arg(QDir::toNativeSeparators(folder));
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("the folder %1 cannot be written").arg(QDir::toNativeSeparators(folder));
    writable = true;
    return {};
}
}  // namespace

QString StoreImage::value(const QString& section, const QString& key) const {
    const auto found = sections.constFind(section);
    if (found == sections.constEnd()) return {};
    for (const auto& [k, v] : *found)
        if (k == key) return v;
    return {};
}

void StoreImage::apply(const Platform::Section& section) {
    if (section.whole && section.values.isEmpty()) {
        sections.remove(section.name);
        return;
    }
    Platform::Values& values = sections[section.name];
    if (section.whole) values.clear();
    for (const auto& [key, value] : section.values) {
        const auto same = std::find_if(values.begin(), values.end(), [&key](const auto& kv) { return kv.first == key; });
        if (same != values.end()) same->second = value;
        else values.append({key, value});
    }
}

QByteArray StoreImage::inibytes() const {
    QByteArray out;
    for (auto section = sections.constBegin(); section != sections.constEnd(); ++section) {
        if (!out.isEmpty()) out += '\n';
        out += '[' + inikey(section.key()) + "]\n";
        for (const auto& [key, value] : *section) out += inikey(key) + '=' + inivalue(value) + '\n';
    }
    return out;
}

QByteArray inivalue(const QString& text) {
    // QSettings keeps an '@' at the start for its own types: a text that starts with one gets two.
    const QString str = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QByteArray out;
    QStringEncoder utf8(QStringEncoder::Utf8);
    bool quoted = false, escapenextdigit = false;
    for (const QChar qch : str) {
        const char16_t ch = qch.unicode();
        if (ch == ';' || ch == ',' || ch == '=') quoted = true;
        // A digit after a \x escape would read as part of it.
        if (escapenextdigit && hexdigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapenextdigit = false;
        switch (ch) {
        case '\0': out += "\\0"; escapenextdigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapenextdigit = true;
            } else {
                out += utf8(QStringView(&qch, 1));
            }
        }
    }
    if (quoted || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
    return out;
}

QString userstorefile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zelslots"), QStringLiteral("zelslots")).fileName();
}

StoreReading readstore(const QString& path) {
    StoreReading reading;
    const QString fault = folderfault(path, reading.writable);
    const QFileInfo info(path);
    if (!info.exists()) {
        reading.why = fault;
        return reading;
    }
    reading.state = StoreReading::State::unreadable;
    if (info.isDir()) {
        reading.why = QStringLiteral("a folder stands where the file should be");
        reading.writable = false;
        return reading;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.why = file.errorString();
        return reading;
    }
    file.close();
    reading.state = StoreReading::State::read;
    reading.why = fault;

    // QSettings reads the file as it always has (a read takes no lock); the game keeps its own keys.
    // Every line besides them is named, so that nothing of the file is dropped unseen.
    const QSettings settings(path, QSettings::IniFormat);
    int strangers = 0;
    const auto stranger = [&](const QString& what) {
        if (strangers++ < strangersnamed) reading.strangers << what;
    };
    if (!file.open(QIODevice::ReadOnly)) {
        reading.state = StoreReading::State::unreadable;
        reading.why = file.errorString();
        return reading;
    }
    QString section;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = eq > 0 ? line.left(eq).trimmed() : QString();
        const auto keys = storekeysof(section);
        if (key.isEmpty() || std::none_of(keys.begin(), keys.end(), [&key](const StoreKey& k) { return key == QLatin1String(k.key); }))
            stranger(section.isEmpty() ? shown(line) : QStringLiteral("[%1] %2").arg(shown(section), shown(line)));
    }
    if (strangers > strangersnamed) reading.strangers << QStringLiteral("and %1 more lines").arg(strangers - strangersnamed);
    for (const QString& section : storesections()) {
        Platform::Section values{section, {}, false};
        for (const StoreKey& k : storekeysof(section)) {
            const QString full = section + QLatin1Char('/') + QLatin1String(k.key);
            if (!settings.contains(full)) continue;
            const QString text = textof(settings.value(full));
            if (!converts(text, k.kind))
                reading.badvalues << QStringLiteral("[%1] %2 = \"%3\"")
                                         .arg(section, QLatin1String(k.key), shown(text));
            values.values.append({QLatin1String(k.key), text});
        }
        if (!values.values.isEmpty()) reading.image.apply(values);
    }
    return reading;
}

}  // namespace zel
