// The pictures of a card, as the main window's image controls hold them:
// which picture each control shows for the resident being drawn. The
// loaders find the files (".jpg" or ".asz", the small versions with the
// prefix "S"), have them decoded once by the picture store and record the
// name they are kept under; a control whose file is missing or does not
// decode stays empty, and the card prints without that picture.
#pragma once

#include <array>
#include <string>
#include <unordered_map>

#include "data/drive_map.h"
#include "data/facility.h"
#include "data/resident_record.h"
#include "render/picture_loader.h"
#include "settings/card_settings.h"

namespace mc {

class CardPictures {
 public:
  CardPictures(const DriveMap& drives, const Facility& facility, PictureLoader& store);

  // Image1 .. Image18: the name of the picture each control holds, "" when
  // empty. Image2 holds the first adaptive-equipment picture; all four are
  // in Equipment.
  std::array<std::string, 19> Image{};
  std::array<std::string, 5> Equipment{};  // 1..4
  // Strength of the filtered view over the resident's picture, 0 for none.
  int FilterStrength = 0;
  // Caption under the clip art that stands for the resident's picture; ""
  // when Image1 is the resident's own photograph.
  std::string ClipArtCaption;

  // Every loader, for the resident and settings as they stand.
  void LoadAll(const ResidentRecord& resident, const CardSettings& settings);

  // The loaders, one per picture kind.
  void LoadThick(const ResidentRecord& resident, const CardSettings& settings);
  void LOADPUR(const ResidentRecord& resident, const CardSettings& settings);
  void LOADsugar(const ResidentRecord& resident, const CardSettings& settings);
  void LoadSalt(const ResidentRecord& resident, const CardSettings& settings);
  void LoadFF(const ResidentRecord& resident, const CardSettings& settings);
  void LoadBland(const ResidentRecord& resident, const CardSettings& settings);
  void LoadNoMilk(const ResidentRecord& resident, const CardSettings& settings);
  void LoadPor(const ResidentRecord& resident, const CardSettings& settings);
  void LoadPaste(const ResidentRecord& resident, const CardSettings& settings);
  void LoadSWm(const CardSettings& settings);
  void loadclip(const ResidentRecord& resident);
  // The resident's photograph or the clip art that replaces it (Image1),
  // its filtered view, and the special tray indicator (Image16, Image17).
  void LoadPhoto(const ResidentRecord& resident, const CardSettings& settings);
  // Watermark, banner and border (Image10 .. Image12), as the settings
  // load found them.
  void LoadSettingsPictures(const CardSettings& settings);

  // The four steps every loader takes for a picture file of this Windows
  // path without its extension: a ".jpg" is turned into its ".asz"; the
  // ".asz" is read through a working copy, deleted afterwards. Returns the
  // name the picture is kept under, "" when there is none.
  std::string Load(const std::string& windowsStem);

  // The name of a symbol file of the pictures folder, with the "S" of the
  // small versions when the settings ask for them.
  std::string symbolStem(const CardSettings& settings, const std::string& name) const;

 private:
  std::string vod() const;
  std::string findPhoto(const std::string& file, const CardSettings& settings);
  // Load's four steps, without the memory of earlier answers.
  std::string find(const std::string& windowsStem);
  // True, after naming it, for a picture file too large to be read.
  bool refusedAsTooLarge(const std::string& windowsPath, const std::string& host);
  // `name` when the picture is held, else "" after naming the file.
  std::string held(const std::string& windowsPath, const std::string& name, bool ok);

  const DriveMap& drives_;
  const Facility& facility_;
  PictureLoader& store_;
  // What Load answered for each stem: a run asks for the same few symbols
  // on every card, and a folder that the run's working copies keep
  // changing would be listed again for every name it does not hold. A
  // renderer lives for one run or one redraw of the preview, so a picture
  // added or changed meanwhile is found by the next one.
  std::unordered_map<std::string, std::string> found_;
};

// Diet symbol captions, normal and small.
const char* TextureCaption(const DietFlags& diet, bool small);

}  // namespace mc
