// Dorvik's Motrel Calculator: start-up. The application object, its title, the one form and
// the message loop; closing the window ends the program.
#include <iostream>

#include "form1.h"
#include "platform/application.h"
#include "program_title.h"

int main(int argc, char** argv) {
    using namespace motrel::app;
    if (auto problem = missingDisplayMessage("motrel-calculator")) {
        std::cerr << *problem << '\n';
        return 1;
    }
    TApplication Application(argc, argv);
    Application.Initialize();
    Application.setTitle(QString::fromUtf8(programTitle));
    TForm1* Form1 = nullptr;
    Application.CreateForm(Form1);
    return Application.Run();
}
