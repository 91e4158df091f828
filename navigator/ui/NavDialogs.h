#pragma once
// The questions the navigator's commands ask: a part's new name, a new job or group name and a
// target drive. The control asks through this interface, so tests answer without modal windows.

#include "navigator/NavProperties.h"

#include <optional>
#include <string>

class QWidget;

namespace nav {

class NavDialogs {
public:
    virtual ~NavDialogs() = default;
    // The name typed in "Enter New Part Name" (as typed), nothing on Cancel.
    virtual std::optional<std::string> AskPartName(const std::string& currentName) = 0;
    // A job or group name of 1 to 10 valid characters, nothing on Cancel.
    virtual std::optional<std::string> AskNewName() = 0;
    // A drive root ("C:\"), nothing on Cancel.
    virtual std::optional<std::string> PickDrive() = 0;
};

// The control's own dialogs, modal over a parent.
class StandardNavDialogs : public NavDialogs {
public:
    StandardNavDialogs(QWidget* parent, DriveTypeOf driveType) : parent_(parent), driveType_(std::move(driveType)) {}
    std::optional<std::string> AskPartName(const std::string& currentName) override;
    std::optional<std::string> AskNewName() override;
    std::optional<std::string> PickDrive() override;

private:
    QWidget* parent_;
    DriveTypeOf driveType_;
};

} // namespace nav
