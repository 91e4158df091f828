#pragma once
// What the shared library BRAXExcept_Varnex4 exports; the rest of it is hidden.
#define BRAXEXCEPT_EXPORT __attribute__((visibility("default")))
