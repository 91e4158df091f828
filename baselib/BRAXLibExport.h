#pragma once
// What the shared library BRAXLib_Varnex4 exports; the rest of it is hidden.
#define BRAXLIB_EXPORT __attribute__((visibility("default")))
