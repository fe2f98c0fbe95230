// Step names from the catalogue's command captions.
#include "ui/stepnames.h"

#include <algorithm>

#include "l10n/messaggi.h"

std::string StepNameText(int msg)
{
    std::string name = MsgText(msg);
    std::erase(name, '&');
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}
