#pragma once
// The copies of jobs, groups, parts and mults that the navigator and the report window ask for:
// to the same path on another drive, or pasted into another folder.
//
// Paths are Windows-form; lists are '|' lists of which every name counts (a single path is a list
// of one). A drive is named by its first letter ("E", "E:" or "E:\"). A mult always brings the
// part files its part list names (<drive><Job/Group directory>\<job>\<group>\<mark>.prt). Each
// operation is one CopyPlan: the folders of every target are made, existing files are replaced
// only after one question, a folder is never copied onto or into itself, and whatever could not
// be copied is reported at the end while everything else is copied.

#include "shell/CopyPlan.h"

#include <string>

class FileManagement {
public:
    // To the same path on the drive.
    CopyOutcome CopyPartFile(const std::string& list, const std::string& drive) const;
    CopyOutcome CopyMultFile(const std::string& list, const std::string& drive) const;
    // The files of each folder of the list: all of them, the part files, the mult files.
    CopyOutcome CopyGroup(const std::string& folders, const std::string& drive) const;
    CopyOutcome CopyAllParts(const std::string& folders, const std::string& drive) const;
    CopyOutcome CopyAllMults(const std::string& folders, const std::string& drive) const;
    // The group folders of each job folder with their files (files lying in the job folder
    // itself are no group and stay behind).
    CopyOutcome CopyAllGroup(const std::string& jobs, const std::string& drive) const;
    // The whole tree of each folder: its files and every folder below it, empty ones included.
    CopyOutcome CopyJob(const std::string& jobs, const std::string& drive) const;

    // Pastes into a destination folder. Each file lands below it in the folders of its own path
    // that lie deeper than the destination: parts of a group dropped on another group land in
    // it, on a job in <job>\<their group>, on a drive root in their whole folder chain.
    CopyOutcome CopyDiffPartFile(const std::string& list, const std::string& destination) const;
    CopyOutcome CopyDiffMultFile(const std::string& list, const std::string& destination) const;
    // Each group folder's files, into the destination the same way (a job receives the group
    // under its own name).
    CopyOutcome CopyDiffGroup(const std::string& groups, const std::string& destination) const;
    // The group folders of each job: onto a drive ("E:" or "E:\") in the job's own folder chain,
    // into any other folder directly.
    CopyOutcome CopyLabelAllGroup(const std::string& jobs, const std::string& destination) const;

    // The part files that the part lists of the mults name: to the same path on the drive, or
    // into the folder where the mult lands when pasted into the destination.
    CopyOutcome CopyMultParts(const std::string& mults, const std::string& drive) const;
    CopyOutcome CopyDiffMultParts(const std::string& mults, const std::string& destination) const;

};
