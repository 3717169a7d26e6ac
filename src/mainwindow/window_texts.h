// The captions of the main window, its menus, and the family chooser, save-as, information and
// about windows it opens.
#pragma once

#include <QString>

#include "store/shared_texts.h"

namespace kinvale {

// The relative frames and their buttons.
inline const QString kFatherCaption = QStringLiteral("Father");
inline const QString kMotherCaption = QStringLiteral("Mother");
inline const QString kSiblingsCaption = QStringLiteral("Siblings");
inline const QString kChildrenCaption = QStringLiteral("Children / Dependents");
inline const QString kAddCaption = QStringLiteral("+");
inline const QString kRemoveCaption = QStringLiteral("-");
inline const QString kNoPhotoCaption = QStringLiteral("No photo");
inline const QString kPersonButtonTip = QStringLiteral("Edit this person's details");
inline const QString kSpouseButtonTip = QStringLiteral("Set or change the spouse");
inline const QString kRelativeListTip = QStringLiteral(
    "Double-click a name or press Enter to see that person's information; Ctrl+Return goes to "
    "that person");
// The context menu of a relative and of the spouse button.
inline const QString kInformationItem = QStringLiteral("Information");
inline const QString kAddFatherTip = QStringLiteral("Add a father");
inline const QString kRemoveFatherTip = QStringLiteral("Remove the selected father");
inline const QString kAddMotherTip = QStringLiteral("Add a mother");
inline const QString kRemoveMotherTip = QStringLiteral("Remove the selected mother");
inline const QString kAddSiblingTip = QStringLiteral("Add a brother or sister");
inline const QString kRemoveSiblingTip = QStringLiteral("Remove the selected brother or sister");
inline const QString kAddDependentTip = QStringLiteral("Add a child or dependent");
inline const QString kRemoveDependentTip = QStringLiteral("Remove the selected child or dependent");

// The status line under the board.
inline const QString kFamilyStatus = QStringLiteral("Family: %1  \u00b7  %2 people");
inline const QString kNoFamilyStatus =
    QStringLiteral("No family open. Choose one with File, Load Family Tree.");

// Menus and their items.
inline const QString kFileMenu = QStringLiteral("File");
inline const QString kEditMenu = QStringLiteral("Edit");
inline const QString kViewMenu = QStringLiteral("View");
inline const QString kAnalysisMenu = QStringLiteral("Analysis");
inline const QString kHelpMenu = QStringLiteral("Help");
inline const QString kLoadFamilyTreeItem = QStringLiteral("Load Family Tree");
inline const QString kChangePhotoItem = QStringLiteral("Change Photo");
inline const QString kImportPhotoItem = QStringLiteral("Import a Photo");
inline const QString kExportGedcomItem = QStringLiteral("Export to GEDCOM");
inline const QString kImportGedcomItem = QStringLiteral("Import from GEDCOM");
inline const QString kExitItem = QStringLiteral("Exit");
inline const QString kRelationCheckItem = QStringLiteral("Relation Check");
inline const QString kKeywordSearchItem = QStringLiteral("Keyword Search");
inline const QString kDescendantsItem = QStringLiteral("Descendants");
inline const QString kRelativesItem = QStringLiteral("Relatives");
inline const QString kBackItem = QStringLiteral("Back");
inline const QString kForwardItem = QStringLiteral("Forward");
inline const QString kFindPersonItem = QStringLiteral("Find Person");
inline const QString kUserManualItem = QStringLiteral("User Manual");
inline const QString kAboutItem = QStringLiteral("About Kinvale");

// The "Find person" box on the toolbar.
inline const QString kFindPersonHint = QStringLiteral("Find person: name, number or date");
inline const QString kNobodyMatches = QStringLiteral("Nobody in this family matches %1.");

// The family chooser ("Load Family Tree").
inline const QString kOpenCaption = QStringLiteral("Open");
inline const QString kCreateCaption = QStringLiteral("Create");

// kinvale FILE.ged names a file that is not there.
inline const QString kGedcomFileMissing = QStringLiteral("The GEDCOM file %1 cannot be found.");

// The person information view.
inline const QString kPersonInfoTitle = QStringLiteral("Personal Information");

// The about box: its title is kApplicationTitle; clicking the logo opens the home page.
inline const QString kHomePageUrl = QStringLiteral("https://kinvale.example.org/");
inline const QString kLogoHint = QStringLiteral("Click the logo to visit the Kinvale home page.");
inline const QString kHomePageOpenFailed =
    QStringLiteral("No web browser could be started. The Kinvale home page is %1");

}  // namespace kinvale
