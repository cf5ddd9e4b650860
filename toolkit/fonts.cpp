#include "toolkit/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <map>

#include "toolkit/font_store.h"
#include "toolkit/text_conversion.h"

static std::map<int, QFont> fonts;

// Monospace faces that Debian carries, tried in turn when a face is missing.
// Liberation Mono has the metrics of Courier New, so text keeps its width.
static const char* const MONOSPACE_STAND_INS[] = {"Liberation Mono", "DejaVu Sans Mono"};

static bool FaceIsInstalled(const QFont& font, const QString& face)
{
    return QFontInfo(font).family().compare(face, Qt::CaseInsensitive) == 0;
}

static int PixelHeight(int points)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return std::max(1, static_cast<int>(std::lround(points * dotsPerInch / 72.0)));
}

bool CreateFont(int font, const std::u16string& face, int points, FontWeight weight)
{
    if (QGuiApplication::instance() == nullptr || points <= 0)
        return false;
    QFont made(ToQString(face));
    made.setPixelSize(PixelHeight(points));
    made.setWeight(weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
    if (!FaceIsInstalled(made, made.family())) {
        // The font matcher would put any face in its place, often a
        // proportional one; these faces are meant to be monospace.
        made.setStyleHint(QFont::Monospace);
        bool found = false;
        for (const char* standIn : MONOSPACE_STAND_INS) {
            made.setFamily(QString::fromLatin1(standIn));
            if (FaceIsInstalled(made, made.family())) {
                found = true;
                break;
            }
        }
        if (!found)
            made.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    }
    fonts[font] = made;
    return true;
}

bool FontExists(int font) { return fonts.count(font) != 0; }

void ReleaseFonts() { fonts.clear(); }

const QFont* FindFont(int font)
{
    const auto found = fonts.find(font);
    return found == fonts.end() ? nullptr : &found->second;
}
