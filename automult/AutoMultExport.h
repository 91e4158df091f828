#pragma once
// What the shared library ZRAutoMultPrograme exports; the rest of it is hidden.
#define AUTOMULT_EXPORT __attribute__((visibility("default")))
