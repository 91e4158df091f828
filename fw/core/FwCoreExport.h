#pragma once
// What the shared library fw_core exports; the rest of it is hidden (the build compiles every
// target with hidden visibility).
#define FW_CORE_EXPORT __attribute__((visibility("default")))
