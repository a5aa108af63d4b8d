// The help texts of the fields, one entry of eight lines for each help index -1..41.
// They explain what a field means to the game, warn about fields that can break it, and
// mark the flags that units and structures share but only one of them reads.
#include <array>

#include "info/help.h"

namespace vorn {

namespace {

inline constexpr int kFirstHelpIndex = -1;
inline constexpr int kLastHelpIndex = 41;

// Entry i holds help index i - 1. Lines not given stay empty.
constexpr std::array<HelpEntry, kLastHelpIndex - kFirstHelpIndex + 1> kHelpTexts{{
    // -1: fields whose purpose is not known
    {{"", "--==UNKNOWN OPTION==--", "", "If you find out what this does, please tell me!", " "}},
    // 0: fields without help
    {{"[No help for this item]"}},
    // 1: unused: an empty entry
    {},
    // 2
    {{"The NAME ID is a value that refers to an index",
      "in the game's strings file (VORN.ENG/GER/FRE).", "",
      "If you want to change them, you have to look", "them up in the strings file."}},
    // 3
    {{"STRING REFERENCES are internal references which",
      "point to a zero-terminated string. The editor ",
      "converts these values to normal file addresses.", "",
      "Be VERY careful when editing these; changing",
      "name references can have disastrous results.",
      "Both this editor and the game rely on these."}},
    // 4
    {{"The OWNERSHIP value is a list of switches that",
      "allow or deny specific Houses the right to build", "this specific unit or structure."}},
    // 5
    {{"The SIDEBAR COMMANDS allow players to give", "instructions to units.",
      "After a move or attack command is completed, the",
      "fourth command is automatically executed.", "",
      "Note that the Area Guard command automatically",
      "executes 'Retreat' after attacking something."}},
    // 6
    {{"The MOVEMENT TYPE determines a lot of the unit's",
      "behaviour on the battlefield. Each movement type",
      "has its own unique characteristics, like how ",
      "units on foot can be crushed by tracked units,",
      "and slithering units can't move on rock."}},
    // 7
    {{"The WEAPON TYPE is the projectile the unit will",
      "fire. Since all projectiles are units, all units",
      "appear in the selection list. However, using",
      "normal units as projectiles doesn't work, since",
      "units need to have a certain set of options", "enabled to be seen as a weapon type."}},
    // 8
    {{"The FOUNDATION determines the amount of cells a",
      "structure takes, and which shape they are in.", "",
      "Note that changing the foundations of the",
      "Concrete Slabs can give very unexpected results."}},
    // 9
    {{"This is a 'weakness factor' that indicates how",
      "much damage structures of this house take every", "time the decay strikes.", "",
      "Internally, the game adds 1 to this value. This",
      "means that '0' still does 1 damage, and '-1'", "disables the decay completely."}},
    // 10
    {{"The PREREQUISITE structures are the structures a",
      "player needs to have before he can build this", "unit or structure."}},
    // 11
    {{"SOUNDS are played when a unit attacks or when a", "weapon is fired.",
      "The sounds indicated with \"VOC\" have a .VOC file",
      "that is played. The rest only give generated", "sounds."}},
    // 12
    {{"Choosing a CONSTRUCTION OPTION gives a structure",
      "a unit to add to its production options list."}},
    // 13
    {{"When something is destroyed, this percentage",
      "determines the chance that a soldier will spawn.",
      "For structures, this system is used for each", "separate cell occupied by the structure.",
      "", "The list only has rough values. You can use",
      "[F3] or [F4] for more detailed editing."}},
    // 14
    {{"The index on the color palette that will be used",
      "for this as color on the radar minimap."}},
    // 15
    {{"UPGRADE TECH LEVEL: Determines at which tech",
      "level this factory upgrade can first be done.", "",
      "Note that the tech level is not always the same",
      "as the mission number; the game often shifts",
      "the tech levels depending on which house you", "are playing with."}},
    // 16
    {{"The DEATH ANIMATION is a 3-frame animation that",
      "sometimes plays when a unit is destroyed.", "",
      "Choose the first frame of the animation you want",
      "to use, or choose index #000 (the mouse arrow)", "to disable the death animation."}},
    // 17
    {{"The BUILD ICON ORDER value determines the place",
      "this construction option will have in the build", "list of the structure that produces it.",
      "A higher value will put it higher in the list.", "",
      "The only exceptions are the Concrete Slabs,",
      "which are always put on top for easy access."}},
    // 18
    {{"This option causes the \"Sand Impact\" animation",
      "to play when the weapon reaches its destination,", "and it is on sand.",
      "This option only works on unit types that act as",
      "a weapon: the \"Weapon rate of fire\" has to be 0,",
      "and the \"Explode on target\" option has to be", "enabled."}},
    // 19
    {{"This option forces the program to go through",
      "the full number of script cycles for this unit,",
      "even if the unit is outside of the user's", "screen area.",
      "Normally, units outside of the screen area only",
      "execute 1/10th of the script cycles, to save", "CPU cycles."}},
    // 20
    {{"The chance that a unit of this House will switch", "sides when attacked by a Deviator.", "",
      "", "The list only has rough values. You can use",
      "[F3] or [F4] for more detailed editing."}},
    // 21
    {{"The MUSIC tracks are the MIDI tracks in the", "game."}},
    // 22
    {{"The LETTER to put before the mentat voice", "filenames to get the voices for this House."}},
    // 23
    {{"The PALACE SPECIAL ABILITY determines which",
      "special weapon a Commander gets by building a", "House Palace"}},
    // 24
    {{"GRAPHICS are all SHP graphics used by the game.",
      "They are read from MOUSE.SHP, BTTN.ENG/GER/FRE,", "SHAPES.SHP, UNITS2.SHP, UNITS1.SHP and",
      "UNITS.SHP (in that order).", "", "Note that value 0 (normally the mouse arrow) is",
      "sometimes used as \"None\" value."}},
    // 25
    {{"UNIT GRAPHICS DISPLAY MODES determine how the",
      "game draws this unit's graphics. It determines",
      "how many frames are shown for each direction."}},
    // 26
    {{"ACTION INTERRUPT MODE. Determines how this",
      "action is executed. It can either wait for the",
      "previous action's script to complete its current",
      "cycle before starting this new one, abort the",
      "current action immediately, or execute the new", "action as subroutine without aborting the",
      "previous action."}},
    // 27
    {{"SIDEBAR MODE. Determines what mode the sidebar", "will switch to to give this command."}},
    // 28
    {{"The RESPONSE SOUND is a sound clip from VOC.PAK", "or one of the mentat PAK files.",
      "These unit responses only work for infantry."}},
    // 29
    {{"The PARENT FILE determines in which PAK archive", "the game is going to look for this file.",
      "", "This option is obviously ignored for PAK files,",
      "for which it is put to '0', making it show the", "first file in the list."}},
    // 30
    {{"The FILE TYPE is an indicator of how the game", "handles this file."}},
    // 31
    {{"ANIMATION SCRIPT: This value is a reference to a",
      "script that tells the game how to play this",
      "structure's animations. These scripts can't be",
      "edited, but you can see them in a detailed list."}},
    // 32
    {{"This option causes nearby units to automatically",
      "attack this one. Units on which this option is",
      "disabled will not be attacked by other units", "automatically."}},
    // 33
    {{"This option is used to rank units and structures",
      "in terms of importance, to make the AI select",
      "more dangerous/vital units or structures first,",
      "so it can attack or defend more effectively."}},
    // 34
    {{"This minimum and maximum set boundaries on where",
      "the game is allowed to store units of this type", "in its array of unit objects in memory.",
      "", "These boundaries separate the units in classes",
      "like aircraft, ground units, weapons and special",
      "stuff like the sandworm, Frigate and Saboteur."}},
    // 35
    {{"These include things like the worm swallow",
      "animation. The editor does not contain a list of", "these yet."}},
    // 36
    {{"This determines the index in ICON.MAP to use for", "this structure's graphics.", "",
      "The values in ICON.MAP determine which graphics",
      "from ICON.ICN to use for each frame of the", "structure."}},
    // 37: shared flags that only structures read
    {{"This option is shared by units and structures,",
      "but is only applicable to structures. Changing", "it on units has no effect."}},
    // 38: shared flags that only units read
    {{"This option is shared by units and structures,",
      "but is only applicable to units. Changing it on", "structures has no effect."}},
    // 39: values the game overwrites while it runs
    {{"This value is part of the hardcoded data, but is",
      "changed during the course of the game, so", "editing it has no effect."}},
    // 40
    {{"This determines how much spice is harvested from",
      "this terrain. Setting it to '-1' means it can be", "transformed to spice by spice blooms or",
      "destroyed harvesters"}},
    // 41
    {{"The HINT ID is a value that refers to an index", "in the game's hint strings file",
      "(MESSAGES.ENG/GER/FRE)."}},
}};

}  // namespace

// An index outside the table (no field has one) shows the "no help" entry instead of
// reading past the table.
HelpEntry getHelpEntry(int index) {
  if (index < kFirstHelpIndex || index > kLastHelpIndex) index = 0;
  return kHelpTexts[index - kFirstHelpIndex];
}

}  // namespace vorn
