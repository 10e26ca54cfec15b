// One build of the settings summary: the profile's and the default settings, the page's texts,
// and the rows in the order the summary shows them. Used by BuildProfileSummary only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "abi/devmode_view.h"
#include "store/page_context.h"
#include "describe/summary_labels.h"
#include "describe/summary_rows.h"
#include "abi/profile_records.h"

// A complete DEVMODE in its buffer, with copies of its public part and its main block.
struct SummarySettings {
  std::vector<BYTE> buffer;
  bool located = false;
  DEVMODEW devMode{};
  pdMain main{};
  PrivateBlock mainBlock{};

  // Copies the public part and the main block out of the buffer; false when the buffer does not
  // hold a whole public part and a whole main block.
  bool Locate();
};

class SummaryBuilder {
 public:
  SummaryBuilder(ProfilePageContext &page, SummaryRowStore &rows);

  bool Build(const ProfileHeader &header);

 private:
  // Groups, in their order.
  void AddProfileGroup(const ProfileHeader &header);
  bool ReadSettings(const ProfileHeader &header);
  void ReadDefaults();
  void AddBasicRows();
  void AddPlugInRows();
  void AddPlugInRow(const DevModeView &settings, const PrivateBlock &block);
  void AddChangeRows();
  void AddPageChanges();
  void AddLayoutChanges();
  void AddQualityChanges();
  void AddGraphicsChanges();
  void AddColorChanges();
  void AddOutputChanges();
  void AddFinishingChanges();

  // Values.
  std::string PrintSizeValue() const;
  std::string PosterValue(DWORD layout, const std::string &label) const;
  // The first entry of a media-type, paper-source or output-bin list with the code, or null.
  const FeatureEntry *FindFeature(int list, DWORD code) const;
  // The entry's name; the unknown string (IDS_UNKNOWN) without an entry.
  std::string FeatureName(const FeatureEntry *entry) const;
  std::string PaperName(short paperCode) const;
  std::string OnOff(bool on) const;
  std::string Format(const char *format, int value) const;

  // Rows. A change row counts as a change even when the store refuses it.
  bool AddSummaryRow(const std::string &label, const std::string &value);
  void AddChange(UINT labelId, LabelStyle style, const std::string &value);
  void AddChange(const std::string &label, const std::string &value);
  void AddOnOffChange(UINT labelId, LabelStyle style, bool on);

  bool IsJapanese() const { return m_Labels.GetLanguage() == 17; }
  WORD DisplayUnit() const;
  bool IsColorModel() const;

  ProfilePageContext &m_Page;
  SummaryRowStore &m_Rows;
  UIManager *m_pManager;
  SummaryLabels m_Labels;
  SummarySettings m_Profile;
  SummarySettings m_Default;
  int m_nChanges;
  bool m_bColor;
  bool m_bOutBinUnmatched;
};
