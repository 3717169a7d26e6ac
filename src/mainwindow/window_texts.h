// The captions of the main window, its menus, and the family chooser, information and about
// windows it opens. A "&" marks the access key of a menu, menu item or button.
#pragma once

#include "store/shared_texts.h"
#include "store/text.h"

namespace kinvale {

// The relative frames and their buttons; a frame's access key moves to its list.
inline constexpr Text kFatherCaption{QT_TRANSLATE_NOOP("Kinvale", "Father")};
inline constexpr Text kMotherCaption{QT_TRANSLATE_NOOP("Kinvale", "Mother")};
inline constexpr Text kSiblingsCaption{QT_TRANSLATE_NOOP("Kinvale", "Siblings")};
inline constexpr Text kChildrenCaption{QT_TRANSLATE_NOOP("Kinvale", "Children / Dependents")};
inline constexpr Text kFatherFrameCaption{QT_TRANSLATE_NOOP("Kinvale", "Fa&ther")};
inline constexpr Text kMotherFrameCaption{QT_TRANSLATE_NOOP("Kinvale", "&Mother")};
inline constexpr Text kSiblingsFrameCaption{QT_TRANSLATE_NOOP("Kinvale", "&Siblings")};
inline constexpr Text kChildrenFrameCaption{QT_TRANSLATE_NOOP("Kinvale", "&Children / Dependents")};
inline constexpr Text kAddCaption{QT_TRANSLATE_NOOP("Kinvale", "+")};
inline constexpr Text kRemoveCaption{QT_TRANSLATE_NOOP("Kinvale", "-")};
inline constexpr Text kNoPhotoCaption{QT_TRANSLATE_NOOP("Kinvale", "No photo")};
inline constexpr Text kPersonButtonTip{QT_TRANSLATE_NOOP("Kinvale", "Edit this person's details")};
inline constexpr Text kSpouseButtonTip{QT_TRANSLATE_NOOP("Kinvale", "Set or change the spouse")};
inline constexpr Text kRelativeListTip{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Double-click a name or press Enter to see that person's information; Ctrl+Return goes to "
    "that person")};
// The context menu of a relative and of the spouse button.
inline constexpr Text kGoToItem{QT_TRANSLATE_NOOP("Kinvale", "&Go to")};
inline constexpr Text kInformationItem{QT_TRANSLATE_NOOP("Kinvale", "&Information")};
inline constexpr Text kAddFatherTip{QT_TRANSLATE_NOOP("Kinvale", "Add a father")};
inline constexpr Text kRemoveFatherTip{QT_TRANSLATE_NOOP("Kinvale", "Remove the selected father")};
inline constexpr Text kAddMotherTip{QT_TRANSLATE_NOOP("Kinvale", "Add a mother")};
inline constexpr Text kRemoveMotherTip{QT_TRANSLATE_NOOP("Kinvale", "Remove the selected mother")};
inline constexpr Text kAddSiblingTip{QT_TRANSLATE_NOOP("Kinvale", "Add a brother or sister")};
inline constexpr Text kRemoveSiblingTip{
    QT_TRANSLATE_NOOP("Kinvale", "Remove the selected brother or sister")};
inline constexpr Text kAddDependentTip{QT_TRANSLATE_NOOP("Kinvale", "Add a child or dependent")};
inline constexpr Text kRemoveDependentTip{
    QT_TRANSLATE_NOOP("Kinvale", "Remove the selected child or dependent")};

// The status line under the board.
inline constexpr Text kFamilyStatusOnePerson{
    QT_TRANSLATE_NOOP("Kinvale", "Family: %1  \u00b7  1 person")};
inline constexpr Text kFamilyStatus{QT_TRANSLATE_NOOP("Kinvale", "Family: %1  \u00b7  %2 people")};
inline constexpr Text kNoFamilyStatus{
    QT_TRANSLATE_NOOP("Kinvale", "No family open. Choose one with File, Load Family Tree.")};

// Menus and their items.
inline constexpr Text kFileMenu{QT_TRANSLATE_NOOP("Kinvale", "&File")};
inline constexpr Text kEditMenu{QT_TRANSLATE_NOOP("Kinvale", "&Edit")};
inline constexpr Text kViewMenu{QT_TRANSLATE_NOOP("Kinvale", "&View")};
inline constexpr Text kAnalysisMenu{QT_TRANSLATE_NOOP("Kinvale", "&Analysis")};
inline constexpr Text kHelpMenu{QT_TRANSLATE_NOOP("Kinvale", "&Help")};
inline constexpr Text kLoadFamilyTreeItem{QT_TRANSLATE_NOOP("Kinvale", "&Load Family Tree")};
inline constexpr Text kChangePhotoItem{QT_TRANSLATE_NOOP("Kinvale", "&Change Photo")};
inline constexpr Text kImportPhotoItem{QT_TRANSLATE_NOOP("Kinvale", "&Import a Photo")};
inline constexpr Text kExportGedcomItem{QT_TRANSLATE_NOOP("Kinvale", "&Export to GEDCOM")};
inline constexpr Text kImportGedcomItem{QT_TRANSLATE_NOOP("Kinvale", "Import &from GEDCOM")};
inline constexpr Text kExitItem{QT_TRANSLATE_NOOP("Kinvale", "E&xit")};
inline constexpr Text kRelationCheckItem{QT_TRANSLATE_NOOP("Kinvale", "&Relation Check")};
inline constexpr Text kKeywordSearchItem{QT_TRANSLATE_NOOP("Kinvale", "&Keyword Search")};
inline constexpr Text kDescendantsItem{QT_TRANSLATE_NOOP("Kinvale", "&Descendants")};
inline constexpr Text kRelativesItem{QT_TRANSLATE_NOOP("Kinvale", "R&elatives")};
inline constexpr Text kBackItem{QT_TRANSLATE_NOOP("Kinvale", "&Back")};
inline constexpr Text kForwardItem{QT_TRANSLATE_NOOP("Kinvale", "&Forward")};
inline constexpr Text kFindPersonItem{QT_TRANSLATE_NOOP("Kinvale", "Find &Person")};
inline constexpr Text kFamilyChartItem{QT_TRANSLATE_NOOP("Kinvale", "Family &Chart")};
inline constexpr Text kUserManualItem{QT_TRANSLATE_NOOP("Kinvale", "&User Manual")};
inline constexpr Text kAboutItem{QT_TRANSLATE_NOOP("Kinvale", "&About Kinvale")};

// The toolbar: Back, Forward and the "Find person" box.
inline constexpr Text kNavigationBarTitle{QT_TRANSLATE_NOOP("Kinvale", "Navigation")};
inline constexpr Text kFindPersonTitle{QT_TRANSLATE_NOOP("Kinvale", "Find Person")};
inline constexpr Text kFindPersonHint{
    QT_TRANSLATE_NOOP("Kinvale", "Find person: name, number or date")};
inline constexpr Text kNobodyMatches{
    QT_TRANSLATE_NOOP("Kinvale", "Nobody in this family matches %1.")};

// The family chooser, titled as its menu item.
inline constexpr Text kFamilyChooserTitle{QT_TRANSLATE_NOOP("Kinvale", "Load Family Tree")};
inline constexpr Text kOpenCaption{QT_TRANSLATE_NOOP("Kinvale", "&Open")};
inline constexpr Text kCreateCaption{QT_TRANSLATE_NOOP("Kinvale", "C&reate")};
inline constexpr Text kCancelButtonCaption{QT_TRANSLATE_NOOP("Kinvale", "&Cancel")};

// kinvale FILE.ged names a file that is not there.
inline constexpr Text kGedcomFileMissing{
    QT_TRANSLATE_NOOP("Kinvale", "The GEDCOM file %1 cannot be found.")};

// The person information view.
inline constexpr Text kPersonInfoTitle{QT_TRANSLATE_NOOP("Kinvale", "Personal Information")};

// The about box: its title is kApplicationTitle; clicking the logo opens the home page.
inline const QString kHomePageUrl = QStringLiteral("https://kinvale.example.org/");
inline constexpr Text kCloseButtonCaption{QT_TRANSLATE_NOOP("Kinvale", "&Close")};
inline constexpr Text kLogoHint{
    QT_TRANSLATE_NOOP("Kinvale", "Click the logo to visit the Kinvale home page.")};
inline constexpr Text kHomePageOpenFailed{
    QT_TRANSLATE_NOOP("Kinvale", "No web browser could be started. The Kinvale home page is %1")};

}  // namespace kinvale
