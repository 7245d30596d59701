#include "render/card_pictures.h"


#include <filesystem>

#include "data/text.h"
#include "settings/field_encoding.h"
#include "render/page_geometry.h"
#include "render/picture_files.h"

namespace mc {

namespace {

// The HIPAA setting (Text35): 2 and 3 show no resident pictures, 4 and 5
// only their filtered view.

std::string withDrive(const std::string& path, char drive) {
  if (path.size() < 2 || path[1] != ':') return {};
  std::string p = path;
  p[0] = drive;
  return p;
}

}  // namespace

CardPictures::CardPictures(const DriveMap& drives, const Facility& facility, PictureLoader& store)
    : drives_(drives), facility_(facility), store_(store) {}

std::string CardPictures::vod() const { return facility_.folder(35) + "\\vod\\"; }

std::string CardPictures::symbolStem(const CardSettings& settings, const std::string& name) const {
  return vod() + settings.SymbolSuffix + name;
}

bool CardPictures::refusedAsTooLarge(const std::string& windowsPath, const std::string& host) {
  if (!pictureFileTooLarge(host)) return false;
  drives_.report(FileFault::TooLarge, windowsPath,
                 "is larger than any picture file (" + std::to_string(kMaxDataFileBytes >> 20) +
                     " MB): not read; the cards print without it");
  return true;
}

std::string CardPictures::Load(const std::string& windowsStem) {
  if (const auto it = found_.find(windowsStem); it != found_.end()) return it->second;
  std::string name = find(windowsStem);
  // Residents' own photographs are asked for once each: the memory is
  // emptied now and then to stay small over a long run.
  if (found_.size() >= 512) found_.clear();
  found_.emplace(windowsStem, name);
  return name;
}

std::string CardPictures::held(const std::string& windowsPath, const std::string& name, bool ok) {
  // Named each time it is asked for: the list of the run at hand must hold
  // it even when an earlier run found it so.
  if (!ok) drives_.report(FileFault::Damaged, windowsPath, "is not a picture that can be drawn: the cards print without it");
  return ok ? name : std::string();
}

std::string CardPictures::find(const std::string& windowsStem) {
  // A dry run (the pre-flight check) converts nothing and writes no working
  // copy: it decodes the pictures in memory, to find the same faults.
  const bool dry = drives_.dryRun();
  const std::string jpg = windowsStem + ".jpg";
  if (drives_.fileExists(jpg)) {
    const auto host = drives_.hostPath(jpg);
    if (host && refusedAsTooLarge(jpg, host->string())) return {};
    if (host && (dry || ConvertJPG(host->string(), drives_.driveFolderOf(jpg).value_or(*host)).empty())) {
      // A read-only pictures folder keeps its ".jpg": show it as it is.
      const std::optional<bool> loaded = store_.Loaded(host->string());
      if (loaded) return held(jpg, host->string(), *loaded);
      return held(jpg, host->string(), store_.Load(host->string(), host->string()));
    }
  }
  const std::string asz = windowsStem + ".asz";
  if (!drives_.fileExists(asz)) {
    if (drives_.exists(asz)) drives_.report(FileFault::Unreadable, asz, drives_.absence(asz) + ": the cards print without it");
    return {};
  }
  const auto host = drives_.hostPath(asz);
  if (!host) return {};
  const std::string name = host->string();
  if (refusedAsTooLarge(asz, name)) return {};
  // Loaded once for the run: later cards paint the picture already held.
  if (const std::optional<bool> loaded = store_.Loaded(name)) return held(asz, name, *loaded);
  const std::string copy = dry ? std::string() : ConvertASZ(name, drives_.driveFolderOf(asz).value_or(*host));
  if (!copy.empty()) {
    const bool ok = store_.Load(name, copy);
    KCFil(copy);
    return held(asz, name, ok);
  }
  // No working copy (a read-only folder, or a check): the picture is
  // unscrambled in memory instead.
  std::optional<std::string> bytes = readPictureFile(name);
  if (!bytes) {
    drives_.report(FileFault::Unreadable, asz, drives_.absence(asz) + ": the cards print without it");
    return {};
  }
  UnscrambleBytes(*bytes);
  return held(asz, name, store_.LoadBytes(name, *bytes));
}

void CardPictures::LoadAll(const ResidentRecord& resident, const CardSettings& settings) {
  LoadSettingsPictures(settings);
  LoadPhoto(resident, settings);
  loadclip(resident);
  LoadThick(resident, settings);
  LOADPUR(resident, settings);
  LOADsugar(resident, settings);
  LoadSalt(resident, settings);
  LoadFF(resident, settings);
  LoadBland(resident, settings);
  LoadNoMilk(resident, settings);
  LoadPor(resident, settings);
  LoadPaste(resident, settings);
  LoadSWm(settings);
}

void CardPictures::LoadSettingsPictures(const CardSettings& settings) {
  // The settings load found ".jpg" or ".asz" names; the stem serves both.
  const auto stem = [](const std::string& path) { return path.size() > 4 ? path.substr(0, path.size() - 4) : std::string(); };
  Image[10] = settings.WatermarkPicture.empty() ? "" : Load(stem(settings.WatermarkPicture));
  Image[11] = settings.BannerPicture.empty() ? "" : Load(stem(settings.BannerPicture));
  Image[12] = settings.BorderPicture.empty() ? "" : Load(stem(settings.BorderPicture));
}

void CardPictures::LoadThick(const ResidentRecord& r, const CardSettings& settings) {
  // A missing symbol leaves the resident's thick-liquid flag as it is: the
  // dots and the hydration box must still say the liquids are thick.
  const DietFlags& d = r.diet;
  const char* name = d.Pudding > 0 ? "pudding" : d.Honey > 0 ? "Honey" : d.Nectar > 0 ? "Nectar" : nullptr;
  Image[3] = name ? Load(symbolStem(settings, name)) : "";
}

void CardPictures::LOADPUR(const ResidentRecord& r, const CardSettings& settings) {
  const DietFlags& d = r.diet;
  std::string name;
  if (d.Liquid > 0)
    name = "LIQ";
  else if (d.Dysphagia != 0)
    name = d.Dysphagia == 1 ? "DysphagiaI" : d.Dysphagia == 2 ? "DysphagiaII" : d.Dysphagia == 3 ? "DysphagiaIII" : "Dysphagia";
  else if (d.MechSoft > 0 && d.Puree > 0)
    name = "MP";
  else if (d.Puree > 0)
    name = "PUREE";
  else if (d.MechSoft > 0)
    name = "MECH";
  else
    name = "Regular";
  Image[4] = Load(symbolStem(settings, name));
}

void CardPictures::LOADsugar(const ResidentRecord& r, const CardSettings& settings) {
  Image[5] = r.diet.CalorieControl > 0 ? Load(symbolStem(settings, "nosugar")) : "";
}

void CardPictures::LoadSalt(const ResidentRecord& r, const CardSettings& settings) {
  const DietFlags& d = r.diet;
  Image[6] = d.Renal > 0 ? Load(symbolStem(settings, "renal")) : d.LowSodium > 0 ? Load(symbolStem(settings, "nosalt")) : "";
}

void CardPictures::LoadFF(const ResidentRecord& r, const CardSettings& settings) {
  Image[7] = r.diet.Fortified > 0 ? Load(symbolStem(settings, "muscle")) : "";
}

void CardPictures::LoadBland(const ResidentRecord& r, const CardSettings& settings) {
  Image[14] = r.diet.Bland > 0 ? Load(symbolStem(settings, "bland")) : "";
}

void CardPictures::LoadNoMilk(const ResidentRecord& r, const CardSettings& settings) {
  Image[15] = r.diet.NoMilk > 0 ? Load(symbolStem(settings, "nomilk")) : "";
}

void CardPictures::LoadPor(const ResidentRecord& r, const CardSettings& settings) {
  const DietFlags& d = r.diet;
  Image[9] = d.DoublePortion > 0 ? Load(symbolStem(settings, "dpor")) : d.LargePortion > 0 ? Load(symbolStem(settings, "Lpor")) : "";
}

void CardPictures::LoadPaste(const ResidentRecord& r, const CardSettings& settings) {
  // The scanned card is a plain JPEG beside the facility's other cards; it
  // goes through the same conversion as every picture.
  Image[8] = settings.Check23 && !trim(r.ResidentFile).empty()
                 ? Load(facility_.folder(35) + "\\cards\\" + trim(r.ResidentFile) + "U1_")
                 : "";
}

void CardPictures::LoadSWm(const CardSettings& settings) {
  const int mode = settings.SelectWatermarkMode;
  Image[18] = mode == 1 ? Load(vod() + "SelectM1") : mode == 2 ? Load(vod() + "SelectM2") : "";
}

void CardPictures::loadclip(const ResidentRecord& r) {
  for (int i = 1; i <= 4; ++i)
    Equipment[i] = r.ClipArt[i] > 0 ? Load(vod() + "ADE" + bareNumber(r.ClipArt[i])) : "";
  Image[2] = Equipment[1];
}

std::string CardPictures::findPhoto(const std::string& file, const CardSettings& settings) {
  const std::string folder = facility_.folder(35);
  // A ".vly" beside the photographs says this resident's picture is not
  // to be shown.
  if (drives_.fileExists(folder + "\\" + file + ".vly")) return {};
  const std::string given = folder + "\\" + file;
  const std::string dataFolder = facility_.folder(2);
  const std::string tries[] = {given, withDrive(given, 'c'),
                               dataFolder.empty() ? std::string() : withDrive(given, dataFolder[0])};
  for (const std::string& stem : tries) {
    if (stem.empty()) continue;
    const std::string name = Load(stem);
    if (name.empty()) continue;
    FilterStrength = settings.Text35 >= 4 ? 5 : 0;
    const std::string flt = stem + ".flt";
    if (drives_.fileExists(flt)) {
      const int strength = static_cast<int>(leadingNumber(drives_.readAll(flt).substr(0, 2)));
      FilterStrength = strength >= 1 && strength <= 10 ? strength : 1;
    }
    return name;
  }
  return {};
}

void CardPictures::LoadPhoto(const ResidentRecord& r, const CardSettings& settings) {
  Image[1].clear();
  Image[16].clear();
  Image[17].clear();
  FilterStrength = 0;
  ClipArtCaption.clear();
  const std::string clipArt = trim(settings.Text28);
  if ((!settings.Check16 && clipArt.empty()) || settings.Text35 == 2 || settings.Text35 == 3) return;
  if (!clipArt.empty()) {
    // The clip art file may be named with or without its extension.
    std::string stem = clipArt;
    const std::string ext = stem.size() > 4 ? upper(stem.substr(stem.size() - 4)) : "";
    if (ext == ".JPG" || ext == ".ASZ") stem.resize(stem.size() - 4);
    Image[1] = Load(vod() + stem);
    ClipArtCaption = rtrim(settings.Text29);
  } else {
    const std::string file = trim(r.ResidentFile);
    if (!file.empty()) Image[1] = findPhoto(file, settings);
  }
  if (r.StiPicture >= 1 && r.StiPicture <= 99) {
    Image[16] = Load(vod() + "STi" + bareNumber(r.StiPicture));
    Image[17] = Load(vod() + "STi_L" + bareNumber(r.StiPicture));
  }
}

const char* TextureCaption(const DietFlags& d, bool small) {
  if (d.Liquid > 0) return "";
  if (d.Dysphagia != 0) {
    switch (d.Dysphagia) {
      case 1: return small ? "DYS I" : "Dysphagia I";
      case 2: return small ? "DYS II" : "Dysphagia II";
      case 3: return small ? "DYS III" : "Dysphagia III";
      default: return small ? "DYS" : "Dysphagia";
    }
  }
  if (d.MechSoft > 0 && d.Puree > 0) return "Mch/Pur";
  if (d.Puree > 0) return "Puree";
  if (d.MechSoft > 0) return small ? "Mech" : "Mech Soft";
  return "";
}

}  // namespace mc
