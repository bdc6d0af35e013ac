#pragma once
// The program's version, its one home: the version resource and the About
// box are made from these numbers, and the release zip is named by them.
#define TIVORA_VERSION_MAJOR 1
#define TIVORA_VERSION_MINOR 0
#define TIVORA_VERSION_BUILD 10
#define TIVORA_VERSION_REVISION 1

#define TIVORA_VERSION \
  TIVORA_VERSION_MAJOR, TIVORA_VERSION_MINOR, TIVORA_VERSION_BUILD, TIVORA_VERSION_REVISION
#define TIVORA_TEXT_OF_(...) #__VA_ARGS__
#define TIVORA_TEXT_OF(...) TIVORA_TEXT_OF_(__VA_ARGS__)
// "1, 0, 10, 1", as the version resource's texts give it.
#define TIVORA_VERSION_TEXT TIVORA_TEXT_OF(TIVORA_VERSION)
// "1.10", as the About box names it.
#define TIVORA_VERSION_NAME \
  TIVORA_TEXT_OF(TIVORA_VERSION_MAJOR) "." TIVORA_TEXT_OF(TIVORA_VERSION_BUILD)
