#include "editions/conconi_edition.h"
#include "editions/program_main.h"

int main(int argc, char** argv)
{
    return kvx::runProgram("kurvex-conconi", argc, argv, kvx::runConconiEdition);
}
