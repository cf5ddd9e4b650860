#pragma once

#include <QImage>
#include <QString>

// The program's pictures, drawn with QPainter at their final pixel size so
// that they are crisp at 1:1. Fonts are DejaVu, loaded from their files so
// that the drawing does not depend on the machine's font configuration.

enum class ButtonFace { Playing, Stop, Play };

// 82 x 23, ARGB32 on a transparent background: a black rounded square with
// the face's symbol, then its word in black capitals.
QImage DrawButtonFace(ButtonFace face);

// 210 x 226, Format_Indexed8 with at most 256 colours, on the help window's
// near-white: a moon over a still lake, the program's name, and the home
// page address lettered at the foot.
QImage DrawLogo(const QString& homePage);

// The program's icon at `size` pixels square (16, 32 or 48), ARGB32.
QImage DrawProgramIcon(int size);

// The family name of a DejaVu font file under the system's font folder,
// registered with the application on first use; empty when missing.
QString DejaVuFamily(const QString& fileName);
