#pragma once
// The command dispatcher: acts on an item by command code (action in the high four bits, object
// in the low four) and path. Every call first closes the report windows; codes without an action
// for their object do nothing more.

#include "shell/NavServices.h"

#include <optional>
#include <string>

class NavDispatcher {
public:
    explicit NavDispatcher(NavServices services);

    // The path is taken by value: closing the report windows may destroy the caller that owns
    // the text it passed.
    void DoNavAction(int code, std::optional<std::string> path);

private:
    void Create(nav::Object object, const std::optional<std::string>& path);
    // Part and mult: a new item in a "...\NULL" folder, a blank copy of a file, or a new untitled item.
    void CreateInFolderOrFrom(nav::Object object, const std::optional<std::string>& path);
    // Shape and machine: a new item, or an untitled copy of a file.
    void CreateNewOrCopy(nav::Object object, const std::optional<std::string>& path);
    void Open(const std::optional<std::string>& path);
    void Print(nav::Object object, PrintMode mode, const std::string& list);
    void WriteShopDisk(nav::Object object, const std::string& list);

    NavServices services_;
};
