#include "foundation/HelpCommand.h"

#include "foundation/Celebration.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/Help.h"

namespace HelpCommand {

void HelpClick()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    platform::showHelpContents(Texts::LanguageIndex);
}

void ShowContextHelp(int context)
{
    platform::showHelp(context, Texts::LanguageIndex);
}

} // namespace HelpCommand
