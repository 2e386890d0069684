#pragma once
// The starter templates (templates/*.nfo, *.diz), compiled in at build time.

#include <string>
#include <vector>

struct StarterTemplate {
    const char* name;
    std::string bytes;
};

const std::vector<StarterTemplate>& StarterTemplates();
