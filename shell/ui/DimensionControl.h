#pragma once
// The dimension-entry control of the program's forms: the LENBOX control, registered with the
// component registry and created by its ProgID whenever a form places one.

// Registers the control and installs the factory the forms create their controls with.
void InstallDimensionControl();
