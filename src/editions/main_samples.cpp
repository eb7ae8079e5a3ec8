#include "editions/program_main.h"
#include "editions/samples_edition.h"

int main(int argc, char** argv)
{
    return kvx::runProgram("kurvex-samples", argc, argv, kvx::runSamplesEdition);
}
