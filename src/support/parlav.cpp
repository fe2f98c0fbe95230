// Machine work data: defaults of the standard machine configuration.
#include "support/parlav.h"

#include "support/progdir.h"

std::unique_ptr<ParLav> TheParLav;

ParLav::ParLav() : fileName(DataFilePath("DatiLavoro.dat")) {}

void ParLav::Load() {}

bool ParLav::Save()
{
    return true;
}
