// The demo facility's pictures: a symbol for every diet symbol loader (and
// its small "S" version), watermarks, an assisted-living banner and border,
// the select-menu labels, tray indicators, adaptive equipment, clip art and
// a few resident photographs, drawn here. Most are written as ".jpg", as a
// facility drops them in; some already in the scrambled ".asz" form, as the
// program leaves them after first use.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "demo.h"
#include "render/picture_files.h"

namespace mc::demo {

namespace {

struct Symbol {
  const char* name;
  const char* label;
  QColor colour;
};

// One symbol per file the loaders look for.
const Symbol kSymbols[] = {
    {"Nectar", "NECTAR", QColor(255, 170, 60)}, {"Honey", "HONEY", QColor(230, 160, 0)},
    {"pudding", "PUDDING", QColor(150, 90, 40)}, {"Regular", "REG", QColor(40, 160, 40)},
    {"LIQ", "LIQ", QColor(80, 160, 230)},        {"Dysphagia", "DYS", QColor(200, 60, 60)},
    {"DysphagiaI", "DYS I", QColor(200, 60, 60)}, {"DysphagiaII", "DYS II", QColor(200, 60, 60)},
    {"DysphagiaIII", "DYS III", QColor(200, 60, 60)}, {"MECH", "MECH", QColor(230, 120, 30)},
    {"MP", "M/P", QColor(160, 60, 160)},         {"PUREE", "PUREE", QColor(120, 60, 200)},
    {"nosugar", "NO SUG", QColor(230, 0, 130)},  {"nosalt", "NO SALT", QColor(0, 120, 200)},
    {"renal", "RENAL", QColor(120, 120, 120)},   {"muscle", "FF", QColor(0, 80, 200)},
    {"Lpor", "LG", QColor(0, 150, 120)},         {"dpor", "x2", QColor(0, 150, 120)},
    {"bland", "BLAND", QColor(180, 180, 120)},   {"nomilk", "NO MILK", QColor(60, 60, 200)},
};

QByteArray jpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 90);
  return bytes;
}

// A round badge with its word, as a kitchen's symbol sheet has them.
QImage badge(const Symbol& s, int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(s.colour.darker(140), size / 25.0));
  p.setBrush(s.colour);
  p.drawEllipse(QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88));
  QFont f("Liberation Sans");
  f.setPixelSize(size / 6);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(image.rect(), Qt::AlignCenter, s.label);
  return image;
}

// A picture with a word across it, in a shade: watermarks, labels,
// banners, borders, clip art.
QImage plate(int w, int h, const QColor& back, const QColor& ink, const QString& text, int pixel) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(back);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont f("Liberation Serif");
  f.setPixelSize(pixel);
  f.setBold(true);
  f.setItalic(true);
  p.setFont(f);
  p.setPen(ink);
  p.drawText(image.rect(), Qt::AlignCenter, text);
  return image;
}

// A made-up face: head, hair, eyes, smile.
QImage face(const QColor& hair, const QColor& shirt) {
  QImage image(240, 180, QImage::Format_RGB32);
  image.fill(QColor(225, 235, 245));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(shirt);
  p.drawEllipse(QRectF(60, 130, 120, 100));
  p.setBrush(QColor(240, 200, 170));
  p.drawEllipse(QRectF(85, 35, 70, 90));
  p.setBrush(hair);
  p.drawChord(QRectF(82, 28, 76, 60), 0, 180 * 16);
  p.setBrush(Qt::black);
  p.drawEllipse(QRectF(103, 70, 7, 7));
  p.drawEllipse(QRectF(130, 70, 7, 7));
  p.setPen(QPen(Qt::darkRed, 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(105, 85, 30, 20), 200 * 16, 140 * 16);
  return image;
}

void put(const DriveMap& drives, const std::string& stem, const QImage& image, bool scrambled = false) {
  std::string bytes = jpeg(image).toStdString();
  if (scrambled) ScrambleBytes(bytes);
  putFile(drives, stem + (scrambled ? ".asz" : ".jpg"), bytes);
}

void writePictures(const DriveMap& drives, const DemoOptions&) {
  // Drawing text needs the GUI library; the generator has no window.
  std::unique_ptr<QGuiApplication> app;
  if (!QGuiApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "make_demo_facility";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  const std::string pictures = folder(35);
  const std::string vod = pictures + "\\vod\\";
  for (const Symbol& s : kSymbols) {
    // Thick liquids and the texture symbols come scrambled, the others as
    // the facility dropped them.
    const bool scrambled = s.label[0] == 'D' || s.name[0] == 'H';
    put(drives, vod + s.name, badge(s, 240), scrambled);
    put(drives, vod + "S" + s.name, badge(s, 96));
  }
  put(drives, vod + "wm1", plate(600, 800, Qt::white, QColor(225, 235, 250), "Maple\nGrove", 150));
  put(drives, vod + "wm2", plate(600, 800, Qt::white, QColor(250, 230, 225), "Thank\nYou", 150), true);
  put(drives, vod + "Ban1", plate(1600, 60, QColor(60, 110, 60), Qt::white, "Maple Grove Dining", 40));
  put(drives, vod + "BD1", plate(1600, 20, QColor(190, 150, 60), QColor(120, 80, 20), "~ ~ ~ ~ ~ ~ ~ ~ ~ ~", 18));
  put(drives, vod + "SelectM1", plate(480, 90, Qt::white, QColor(200, 200, 200), "Select Menu", 60));
  put(drives, vod + "SelectM2", plate(480, 90, Qt::white, QColor(230, 230, 230), "Select Menu", 60));
  put(drives, vod + "STi1", plate(300, 240, QColor(255, 60, 60), Qt::white, "", 10));
  put(drives, vod + "STi_L1", plate(300, 240, QColor(255, 140, 0), Qt::white, "", 10));
  put(drives, vod + "ADE1", plate(120, 120, QColor(230, 240, 255), Qt::darkBlue, "Lidded\ncup", 26));
  put(drives, vod + "ADE2", plate(120, 120, QColor(230, 255, 230), Qt::darkGreen, "Plate\nguard", 26));
  put(drives, vod + "Birthday", plate(240, 180, QColor(255, 245, 210), QColor(200, 60, 60), "Happy\nBirthday", 44));

  // Photographs: two as dropped in, one already scrambled, one with a
  // filtered view asked for beside it, and one resident who asked for none
  // (".vly").
  put(drives, pictures + "\\RS00101", face(QColor(120, 120, 120), QColor(60, 90, 160)));
  put(drives, pictures + "\\RS00102", face(QColor(90, 60, 30), QColor(160, 60, 60)), true);
  put(drives, pictures + "\\RS00103", face(QColor(220, 220, 220), QColor(60, 140, 90)));
  putFile(drives, pictures + "\\RS00103.flt", "3 \r\n");
  put(drives, pictures + "\\RS00104", face(QColor(30, 30, 30), QColor(200, 160, 40)));
  putFile(drives, pictures + "\\RS00104.vly", "");
  // A scanned card for pasting.
  put(drives, pictures + "\\cards\\RS00105U1_",
      plate(500, 600, QColor(250, 250, 240), QColor(40, 40, 120), "Scanned card\nRoom 105\nSoft foods", 50));
}

const DemoPart picturesPart(50, "pictures", &writePictures);

}  // namespace

}  // namespace mc::demo
