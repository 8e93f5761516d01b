// Build tool: converts an XPM icon into the PNG that desktops expect.

#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: xpm2png INPUT.xpm OUTPUT.png\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]), "XPM");
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "xpm2png: cannot convert %s\n", argv[1]);
        return 1;
    }
    return 0;
}
