// Core of the framework: objects and run-time classes, strings, collections, files, resources.
#pragma once

#include "afxver_.h"
#include "afxobj_.h"
#include "afxstr.h"
#include "atltypes.h"
#include "afxcoll.h"
#include "afxfile_.h"
#include "afxmod_.h"
