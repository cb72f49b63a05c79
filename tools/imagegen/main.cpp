// Draws RangeDesk's picture resources: the four meter pictures, the black patches, the About
// picture, the window icon and the button glyphs. Run once; its output is committed under
// resources/images.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

struct Look {
    QColor body;
    QColor trim;
    int keys; // keys in the lower key block
    QString badge;
};

// The screen of the pictured meter lies where the reading display is laid over it.
const QRect kScreen(34, 70, 146, 196);

void DrawMeter(const Look& look, const QString& path) {
    QImage image(200, 487, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(236, 236, 236));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Body with a soft shading from left to right.
    QPainterPath body;
    body.addRoundedRect(QRectF(12, 10, 176, 466), 34, 34);
    QLinearGradient shade(12, 0, 188, 0);
    shade.setColorAt(0, look.body.darker(125));
    shade.setColorAt(0.35, look.body.lighter(112));
    shade.setColorAt(1, look.body.darker(140));
    p.fillPath(body, shade);
    p.setPen(QPen(look.body.darker(200), 2));
    p.drawPath(body);

    // Rubber grip along both sides.
    p.setPen(Qt::NoPen);
    p.setBrush(look.trim);
    p.drawRoundedRect(QRectF(12, 290, 14, 170), 6, 6);
    p.drawRoundedRect(QRectF(174, 290, 14, 170), 6, 6);

    // Laser window at the top.
    p.setBrush(QColor(30, 30, 34));
    p.drawRoundedRect(QRectF(70, 22, 60, 20), 8, 8);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QPointF(86, 32), 5, 5);
    p.setBrush(QColor(60, 90, 140));
    p.drawEllipse(QPointF(114, 32), 7, 7);

    // Screen bezel and the dark display the readings are drawn on.
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(kScreen.adjusted(-8, -8, 8, 8), 10, 10);
    p.setBrush(QColor(5, 2, 2));
    p.drawRect(kScreen);
    // Fixed marks of the display (the patches of the main window cover them).
    p.setPen(QColor(120, 160, 120));
    QFont mark("DejaVu Sans", 7, QFont::Bold);
    p.setFont(mark);
    p.drawText(QRect(74, 82, 30, 20), Qt::AlignCenter, "REF");
    p.drawText(QRect(42, 114, 30, 20), Qt::AlignCenter, "1");
    p.drawText(QRect(42, 154, 30, 20), Qt::AlignCenter, "2");
    p.drawText(QRect(42, 186, 30, 20), Qt::AlignCenter, "3");
    p.drawText(QRect(140, 76, 44, 14), Qt::AlignCenter, "||||");

    // Key block: a large measuring key and the function keys.
    p.setPen(QPen(look.body.darker(220), 1.5));
    p.setBrush(QColor(214, 40, 40));
    p.drawEllipse(QPointF(100, 318), 26, 26);
    p.setBrush(QColor(245, 245, 240));
    const int columns = 3;
    for (int i = 0; i < look.keys; ++i) {
        const int row = i / columns;
        const int col = i % columns;
        p.drawRoundedRect(QRectF(44 + col * 42, 360 + row * 30, 30, 20), 6, 6);
    }
    p.setPen(look.body.darker(250));
    p.setFont(QFont("DejaVu Sans", 9, QFont::Bold));
    p.drawText(QRect(12, 448, 176, 20), Qt::AlignCenter, look.badge);
    p.end();
    image.save(path);
}

void DrawPatch(const QString& path) {
    QImage patch(33, 25, QImage::Format_RGB32);
    patch.fill(Qt::black);
    patch.save(path, "JPEG", 95);
}

void DrawAbout(const QString& path) {
    QImage image(365, 183, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 183);
    sky.setColorAt(0, QColor(250, 250, 252));
    sky.setColorAt(1, QColor(196, 210, 228));
    p.fillRect(image.rect(), sky);
    // A laser beam across a room corner.
    p.setPen(QPen(QColor(150, 160, 175), 2));
    p.drawLine(230, 20, 230, 160);
    p.drawLine(230, 160, 360, 183);
    p.drawLine(230, 160, 120, 183);
    p.setPen(QPen(QColor(220, 30, 30), 2, Qt::DashLine));
    p.drawLine(300, 120, 230, 90);
    p.setBrush(QColor(240, 190, 40));
    p.setPen(QPen(QColor(120, 90, 10), 1.5));
    p.drawRoundedRect(QRectF(296, 100, 54, 34), 8, 8);
    p.setBrush(QColor(5, 2, 2));
    p.drawRect(QRectF(304, 106, 26, 14));
    p.end();
    image.save(path);
}

// The icon, drawn on a 32-pixel grid and scaled to `size` pixels.
void DrawIcon(const QString& path, int size = 32) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setBrush(QColor(240, 190, 40));
    p.setPen(QPen(QColor(120, 90, 10), 1.5));
    p.drawRoundedRect(QRectF(9, 2, 14, 28), 4, 4);
    p.setBrush(QColor(5, 2, 2));
    p.drawRect(QRectF(11, 6, 10, 8));
    p.setBrush(QColor(214, 40, 40));
    p.drawEllipse(QPointF(16, 21), 3, 3);
    p.end();
    icon.save(path);
}

// 16 x 16 glyphs drawn with simple shapes.
void DrawGlyph(const QString& path, const std::function<void(QPainter&)>& draw) {
    QImage glyph(16, 16, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    glyph.save(path);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? argv[1] : "resources/images";
    QDir().mkpath(out);
    DrawMeter({QColor(238, 176, 30), QColor(60, 60, 60), 6, "MODEL 1"}, out + "/meter1.png");
    DrawMeter({QColor(40, 130, 200), QColor(30, 40, 60), 6, "MODEL 2"}, out + "/meter2.png");
    DrawMeter({QColor(210, 70, 40), QColor(50, 40, 40), 9, "MODEL 3"}, out + "/meter3.png");
    DrawMeter({QColor(70, 150, 80), QColor(30, 50, 30), 9, "MODEL 4"}, out + "/meter4.png");
    DrawPatch(out + "/patch.jpg");
    DrawAbout(out + "/about.png");
    DrawIcon(out + "/icon.png");
    // The desktop's icon theme sizes.
    for (const int size : {48, 128, 256}) {
        DrawIcon(QString("%1/rangedesk-%2.png").arg(out).arg(size), size);
    }
    const QColor ink(40, 60, 110);
    DrawGlyph(out + "/glyph-read.png", [&](QPainter& p) {
        p.setPen(QPen(QColor(200, 30, 30), 2));
        p.drawLine(2, 8, 14, 8);
        p.drawLine(10, 4, 14, 8);
        p.drawLine(10, 12, 14, 8);
    });
    DrawGlyph(out + "/glyph-clear.png", [&](QPainter& p) {
        p.setPen(QPen(ink, 2));
        p.drawLine(4, 4, 12, 12);
        p.drawLine(12, 4, 4, 12);
    });
    DrawGlyph(out + "/glyph-download.png", [&](QPainter& p) {
        p.setPen(QPen(ink, 2));
        p.drawLine(8, 2, 8, 11);
        p.drawLine(4, 7, 8, 11);
        p.drawLine(12, 7, 8, 11);
        p.drawLine(3, 14, 13, 14);
    });
    DrawGlyph(out + "/glyph-sheet.png", [&](QPainter& p) {
        p.setPen(QPen(QColor(30, 120, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(2, 2, 12, 12);
        p.drawLine(2, 6, 14, 6);
        p.drawLine(2, 10, 14, 10);
        p.drawLine(7, 2, 7, 14);
    });
    DrawGlyph(out + "/glyph-print.png", [&](QPainter& p) {
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(2, 6, 12, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 2, 8, 4);
        p.drawRect(4, 10, 8, 4);
    });
    DrawGlyph(out + "/glyph-about.png", [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(8, 7, 8, 12);
        p.drawPoint(8, 4);
    });
    return 0;
}
