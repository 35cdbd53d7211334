#pragma once
// Temporary files that become, or help to make, a file of the program. They
// stand beside the file they become (a rename cannot cross file systems) and
// are named ".quarlin-<owner>-<unique>.tmp": <owner> is 16 hex digits that
// stand for the name of that file, so a name of any length that fits the
// file system has temporaries that fit it too, and a later run on the same
// files can tell its own leftovers from anything else in the folder.

#include <filesystem>
#include <string>
#include <vector>

namespace quarlin {

// True when `fileName` (no folder) has the form of the program's temporary
// files; `owner`, when given, then gets its owner part.
bool IsTemporaryName(const std::string& fileName, std::string* owner = nullptr);

// The owner part for temporaries of the file named `fileName`. A temporary
// stands for what its own temporaries become: writing one through another
// keeps the owner of the first.
std::string TemporaryOwner(const std::string& fileName);

// Creates a new empty temporary in `folder` for the file named `ownerName`
// (0666 less the umask) and opens it for writing: the descriptor, or -1 with
// errno set. `created` gets its path.
int OpenTemporaryFile(const std::filesystem::path& folder, const std::string& ownerName,
                      std::filesystem::path& created);

// The same, closed again: the path, or empty with `reason` (when given)
// holding the system's words.
std::filesystem::path CreateTemporaryFile(const std::filesystem::path& folder,
                                          const std::string& ownerName,
                                          std::string* reason = nullptr);

// Removes from `folder` the regular files that are temporaries of the files
// named `ownerNames`, left behind by a process that was killed before it
// could remove them. Only for one that holds what guards those files: a
// live writer's temporaries would go too. Returns how many went.
int RemoveTemporariesOf(const std::filesystem::path& folder,
                        const std::vector<std::string>& ownerNames);

}  // namespace quarlin
