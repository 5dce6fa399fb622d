#!/usr/bin/env bash
# Makes packaging/morvik-tool.ico, the icon of the Windows programs (their resource scripts take
# it), from the icon the desktop tool draws (src/app/AppIcon.cpp): one PNG image per size, which
# Windows Vista and later read from an icon file. The result is committed; run this again only
# when the drawing changes. Needs the host's Qt (scripts/setup.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cat >"$tmp/main.cpp" <<'CPP'
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QtEndian>

#include "app/AppIcon.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int sizes[] = {16, 24, 32, 48, 64, 256};
    QList<QByteArray> images;
    for (int size : sizes) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        morvik::AppIconPixmap(size).save(&png, "PNG");
        images << png.data();
    }
    // ICONDIR, then one ICONDIRENTRY per image, then the images.
    QByteArray ico;
    auto put16 = [&ico](quint16 v) { ico.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto put32 = [&put16](quint32 v) { put16(v & 0xFFFF); put16(v >> 16); };
    put16(0);
    put16(1);
    put16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        ico.append(char(size == 256 ? 0 : size)).append(char(size == 256 ? 0 : size));
        ico.append(char(0)).append(char(0));
        put16(1);
        put16(32);
        put32(images[i].size());
        put32(offset);
        offset += images[i].size();
    }
    for (const QByteArray& image : images) {
        ico += image;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    return out.open(QIODevice::WriteOnly) && out.write(ico) == ico.size() ? 0 : 1;
}
CPP
# shellcheck disable=SC2046
g++ -std=c++20 -fPIC -I src "$tmp/main.cpp" src/app/AppIcon.cpp -o "$tmp/make_icon" \
  $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/make_icon" packaging/morvik-tool.ico
echo "packaging/morvik-tool.ico: $(stat -c %s packaging/morvik-tool.ico) bytes"
