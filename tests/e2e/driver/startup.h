// The user's Startup folder, as the shell reads it.
#pragma once

// Prints "startup FOLDER", then "link TARGET|WORKING FOLDER|FILE NAME" for
// each .lnk file in it, read back through the shell's link object.
bool listStartupLinks();
