#include "app/tips_file.h"

std::wstring TipsFilePath(const std::wstring& folder, const std::wstring& title)
{
    return CollapseDoubleBackslashes(folder + L"\\" + title + L".ini");
}

std::string TipsFileContent(const std::string& pathBytes)
{
    // The tip window skips lines that begin with a blank, a tab or ";" and
    // splits a line at tabs, so every line here starts with a letter and holds
    // no tab.
    std::string content;
    content += "Text Displayed in the Tip of the Day screen comes from file (" + pathBytes +
               ") which can be modified using a text editor.\r\n";
    content += "If you face any issue with Umbrix Utility, please write to support@corvane.example and "
               "we will help you.\r\n";
    content += "If the screen flickers when the monitor is switched off, try the desktop shortcut "
               "\"Umbrix (With Confirmation)\" instead.\r\n";
    content += "Using Umbrix Utility you can create Keyboard Shortcuts easily to open programs / open "
               "document files.\r\n";
    content += "Umbrix Utility can start a timer (Vandric) that shuts down your computer after 1 to 120 "
               "minutes: open it from the File Menu -> Vandric.\r\n";
    content += "Be Notified of New Versions of Umbrix Utility, Open Umbrix Settings, go to Help Menu -> "
               "Send Me an EMail when New Version is Launched.\r\n";
    content += "Subscribe at https://www.corvane.example to hear about new programs from Corvane.\r\n";
    content += "Send your feedback about Umbrix Utility to feedback@corvane.example.\r\n";
    return content;
}
