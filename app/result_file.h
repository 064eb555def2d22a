// The result file a calling system names with "--result-file": every save in the window also
// writes the saved result there whole, as the self-test reports it, with the patient and the
// next assessment, so that the hospital system can read it back.
#pragma once

#include "records/record_save.h"

// Writes the report of the saved result (the file made anew); false when it could not be
// written whole.
bool result_file_write(const wchar_t* path, const SavedResult& saved);
