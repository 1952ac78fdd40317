#include "platform/LinuxPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QShortcut>
#include <QStyleHints>
#include <QUrl>
#include <QWidget>

#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <string_view>
#include <unistd.h>

namespace quorvant::platform {

namespace {

// The settings count one character. The locale's separators are multi-byte
// in some locales (the narrow no-break space U+202F of fr_FR, the right
// single quote U+2019 of de_CH): the whole first character is passed on as
// UTF-8, never a cut byte. A byte that starts no UTF-8 sequence comes from a
// legacy 8-bit locale and is taken as ISO 8859-1. Empty stays empty: pt_PT
// and others group no digits at all.
std::string FirstCharacter(const char* text)
{
    if (!text || !*text)
        return {};
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const std::size_t size = std::strlen(text);
    const unsigned char lead = bytes[0];
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    for (std::size_t i = 1; i < length; ++i)
        if (i >= size || (bytes[i] & 0xC0) != 0x80)
            length = 0;
    if (length > 0) {
        const QString decoded = QString::fromUtf8(text, static_cast<qsizetype>(length));
        if (!decoded.contains(QChar::ReplacementCharacter))
            return std::string(text, length);
    }
    return QString(QChar(lead)).toStdString();
}

// The C and POSIX locales hold no regional choice of the user; like a
// profile without an "intl" section, they leave every key at its default.
bool NoRegionalSettings()
{
    const char* name = std::setlocale(LC_NUMERIC, nullptr);
    if (!name)
        return true;
    const std::string_view locale(name);
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

QString ShowableLineBreaks(const std::string& text)
{
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace

LinuxPlatform::LinuxPlatform() = default;

std::string LinuxPlatform::KnownConfigFolder()
{
    std::string folder;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
        folder = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/') {
            const passwd* pw = getpwuid(getuid());
            home = pw ? pw->pw_dir : nullptr;
        }
        if (!home || home[0] != '/')
            return {};
        folder = home;
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        folder += folder == "/" ? ".config" : "/.config";
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string LinuxPlatform::ProgramFilePath()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string LinuxPlatform::IntlValue(const std::string& key, const std::string& Default)
{
    const lconv* lc = std::localeconv();
    if (!lc || NoRegionalSettings())
        return Default;
    if (key == "sDecimal") {
        const std::string value = FirstCharacter(lc->decimal_point);
        return value.empty() ? Default : value;
    }
    if (key == "sThousand") // empty: the locale groups no digits
        return FirstCharacter(lc->thousands_sep);
    if (key == "iCurrDigits")
        return lc->frac_digits == CHAR_MAX ? Default : std::to_string(int(lc->frac_digits));
    if (key == "sCurrency")
        return lc->currency_symbol && *lc->currency_symbol ? std::string(lc->currency_symbol) : Default;
    if (key == "iCurrency") {
        // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
        if (lc->p_cs_precedes == CHAR_MAX)
            return Default;
        const bool precedes = lc->p_cs_precedes == 1;
        const bool spaced = lc->p_sep_by_space == 1;
        return std::to_string(precedes ? (spaced ? 2 : 0) : (spaced ? 3 : 1));
    }
    if (key == "iNegCurr") {
        // 0 "($1)" when the locale brackets negative amounts, else 1 "-$1".
        if (lc->n_sign_posn == CHAR_MAX)
            return Default;
        return lc->n_sign_posn == 0 ? "0" : "1";
    }
    if (key == "sList") {
        const std::string decimal = FirstCharacter(lc->decimal_point);
        return decimal == "," ? ";" : ",";
    }
    return Default;
}

std::intptr_t LinuxPlatform::ShellExecute(WindowHandle, const std::string& verb, const std::string& file,
                                          const std::string&, const std::string&, int)
{
    constexpr std::intptr_t Success = 42, FileNotFound = 2, NoAssociation = 31;
    if (verb != "open")
        return NoAssociation;
    const QString target = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    QUrl url;
    if (target.contains(QLatin1String("://")) ||
        target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        url = QUrl(target, QUrl::TolerantMode);
    } else {
        if (!QFileInfo::exists(target))
            return FileNotFound;
        url = QUrl::fromLocalFile(target);
    }
    if (!url.isValid())
        return FileNotFound;
    return QDesktopServices::openUrl(url) ? Success : FileNotFound;
}

void LinuxPlatform::MessageBeep()
{
    QApplication::beep();
}

std::string LinuxPlatform::ClipboardText()
{
    if (!QGuiApplication::clipboard())
        return {};
    return QGuiApplication::clipboard()->text().toStdString();
}

void LinuxPlatform::SetClipboardText(const std::string& text)
{
    if (QGuiApplication::clipboard())
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

int LinuxPlatform::CaretBlinkTime()
{
    // Qt gives a whole on-off cycle; the caret toggles every half of it.
    const int cycle = QGuiApplication::styleHints()->cursorFlashTime();
    return cycle > 0 ? cycle / 2 : 530;
}

bool LinuxPlatform::GetVersionEx(OsVersionInfo& info)
{
    if (info.SizeOfRecord != 148)
        return false;
    // The desktop behaves like version 6: cues hidden until Alt, themed drawing.
    info.MajorVersion = 6;
    info.MinorVersion = 1;
    info.BuildNumber = 0;
    info.PlatformId = 2;
    return true;
}

bool LinuxPlatform::ThemesEnabled()
{
    return true;
}

void LinuxPlatform::ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                                   MessageBoxIcon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageBoxIcon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case MessageBoxIcon::Error:
        qtIcon = QMessageBox::Critical;
        break;
    case MessageBoxIcon::Warning:
        qtIcon = QMessageBox::Warning;
        break;
    case MessageBoxIcon::None:
        break;
    }
    const QString shown = ShowableLineBreaks(text);
    QMessageBox box(qtIcon, QString::fromStdString(caption), shown, QMessageBox::Ok,
                    static_cast<QWidget*>(owner));
    // Ctrl+C copies the box as message boxes on the original desktop do, so
    // a person can paste message B with its support address into a mail.
    const QString rule = QStringLiteral("---------------------------\n");
    auto* copy = new QShortcut(QKeySequence::Copy, &box);
    QObject::connect(copy, &QShortcut::activated, &box, [&box, rule, shown] {
        QApplication::clipboard()->setText(rule + box.windowTitle() + QLatin1Char('\n') + rule + shown +
                                           QLatin1Char('\n') + rule + QStringLiteral("OK\n") + rule);
    });
    box.exec();
}

} // namespace quorvant::platform
