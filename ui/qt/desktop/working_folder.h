// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The folder the program reads and writes its files in. A copy whose own folder holds
// VELMORANT.DAT (the build folder, a copy on a stick) works where it lies. An installed program
// works in a folder of the operator's own, filled on the first start from the installed data
// files; what the operator saves there afterwards is never overwritten.

namespace velmorant {

// The files the program expects beside each other in its working folder.
inline constexpr std::array<std::string_view, 4> kWorkingFolderFiles = {
    "VELMORANT.DAT", "CALL3.TXT", "QVSKYTEMP.DAT", "QVHELP.PDF"};

// Names the organisation and the application; the per-user folders derive from them. Call
// once, right after the application object is made and before ChooseWorkingFolder.
void SetApplicationIdentity();

// The places the working folder may be.
struct FolderCandidates {
    std::filesystem::path ExecutableFolder;  // the program's own folder
    std::filesystem::path UserFolder;        // the operator's own data folder
    // Where installed data files may lie, in order of preference.
    std::vector<std::filesystem::path> InstalledFolders;
};

// What ChooseWorkingFolder will do, decided without changing anything.
struct WorkingFolderPlan {
    std::filesystem::path Folder;  // where the program works
    // The installed data folder that fills a user folder; none for the executable's folder or
    // when no installed folder holds VELMORANT.DAT.
    std::optional<std::filesystem::path> Source;
    // Names of the files to copy from Source into Folder: those missing in Folder and present
    // in Source.
    std::vector<std::string> FilesToCopy;
};

// The executable's folder when it holds VELMORANT.DAT (or when there is no user folder);
// otherwise the user folder, to be filled from the first installed folder that holds
// VELMORANT.DAT (the user folder itself excepted).
WorkingFolderPlan PlanWorkingFolder(const FolderCandidates& candidates);

// Creates the plan's folder when needed and copies the planned files that are still missing
// there; a file already present is never replaced. False when the folder could not be made or
// a file could not be copied (the program's own checks then report what is missing).
bool CarryOut(const WorkingFolderPlan& plan);

// The candidates of this program: applicationDirPath, the first AppDataLocation, and as
// installed folders <executable folder>/../share/velmorant, the AppDataLocation entries and
// the "velmorant" folders of the GenericDataLocation entries. Needs the application object and
// the identity set by SetApplicationIdentity.
FolderCandidates StandardFolderCandidates();

// Plans and carries out the choice; returns the working folder.
std::filesystem::path ChooseWorkingFolder(const FolderCandidates& candidates);
// The same for this program's standard candidates.
std::filesystem::path ChooseWorkingFolder();

}  // namespace velmorant
