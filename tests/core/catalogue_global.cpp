// The process-wide catalogue for the test executables that link only the
// platform-free code (the program defines it with the other globals).
#include "catalogue/picture_catalogue.h"

PictureCatalogue pictureCatalogue;
