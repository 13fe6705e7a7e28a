// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Close-up "photograph" of a clear 5 mm LED, legs marked with their polarity.
// Rendered by art/build.sh to designs/led_image_photo.jpg (323 x 503).
// Units are millimetres; the LED stands on the origin, y up, the camera
// looks along +z.  Self-contained: needs no POV-Ray include file.

#version 3.7;

global_settings {
  assumed_gamma 1.0
  max_trace_level 16
  adc_bailout 0.004
}

// ---------------------------------------------------------------- camera
// The camera is built in its own frame (origin, looking along +z) and then
// moved by CamT; the polarity discs use the same frame so that they stay
// round and land on known pixels whatever the camera angle.
#declare ImgW = 323;
#declare ImgH = 503;
#declare Lens = 5.0;          // length of the direction vector (up = 1)
#declare Tilt = 9;            // degrees, looking slightly down on the LED
#declare Dist = 62;           // camera to the aimed point
#declare Aim  = <0, 3.45, 0>;

#declare CamT = transform {
  translate <0, 0, -Dist>
  rotate x*Tilt
  translate Aim
}

camera {
  perspective
  location <0, 0, 0>
  direction <0, 0, Lens>
  right x*ImgW/ImgH
  up y
  transform { CamT }
}

// ------------------------------------------------------------ backdrop
// Out-of-focus grey studio background, darker towards the top left.  It
// stands square to the camera (so its shading maps straight onto the
// picture) and is self-lit so that the lamps leave no shadow on it.
#declare BackDepth = 160;
#declare BackU = BackDepth / Lens * ImgW / ImgH / 2;   // half width
#declare BackV = BackDepth / Lens / 2;                 // half height
plane {
  -z, 0
  pigment {
    function {
      min(1, max(0,
        0.60 + 0.20 * x / BackU - 0.24 * y / BackV
        - 0.10 * pow(max(0, -x / BackU + y / BackV) / 2, 2)
        + 0.03 * sin(x / BackU * 2.1 + 0.7) * cos(y / BackV * 1.7)))
    }
    color_map {
      [0.00 rgb <0.070, 0.070, 0.076>]
      [0.25 rgb <0.150, 0.150, 0.158>]
      [0.55 rgb <0.330, 0.328, 0.326>]
      [0.80 rgb <0.520, 0.515, 0.505>]
      [1.00 rgb <0.620, 0.612, 0.598>]
    }
  }
  finish { emission 1 diffuse 0 ambient 0 }
  translate z*BackDepth
  transform { CamT }
}

// Dim surroundings seen only in reflections and refractions.
sky_sphere {
  pigment {
    gradient y
    color_map {
      [0.0 rgb <0.10, 0.10, 0.10>]
      [0.5 rgb <0.22, 0.21, 0.20>]
      [1.0 rgb <0.45, 0.44, 0.42>]
    }
    scale 2 translate -y
  }
}

// Soft boxes: invisible to the camera, they give the long highlights on
// the epoxy and the bright spots on the metal.
#declare SoftBox = box {
  <-0.5, -0.5, -0.02>, <0.5, 0.5, 0.02>
  pigment { rgb 1 }
  finish { emission 1 diffuse 0 ambient 0 }
  no_image no_shadow
}
// SoftStrip(A, Width, Colour): a tall strip at azimuth A from the camera
// axis (positive to the right), facing the LED.  Its highlight on the body
// sits where the surface normal halves the angle between camera and strip:
// -48 puts the broad one left of the cup, clear of the anode post.
#macro SoftStrip(A, W, C)
  object {
    SoftBox scale <W, 70, 1>
    rotate -y*A
    translate <50 * sin(radians(A)), 8, -50 * cos(radians(A))>
    pigment { rgb C }
  }
#end
SoftStrip(-48, 18, <12, 11.4, 10.3>)
SoftStrip(112, 6, <6, 5.6, 5>)
object { SoftBox scale <36, 36, 1> rotate x*90 translate <4, 50, -6>   pigment { rgb <3, 2.85, 2.5> } }
object { SoftBox scale <30, 22, 1> translate <4, 14, 45>               pigment { rgb <1.4, 1.25, 0.95> } }
// Dark wall behind the camera with one bright band: what the faces of the
// lead frame mirror back, so the metal reads dark with bright streaks
// against the lighter epoxy.
box {
  <-60, -60, -0.1>, <60, 60, 0.1>
  pigment {
    gradient y
    color_map {
      [0.00 rgb 0.01]
      [0.47 rgb 0.06]
      [0.52 rgb <3, 2.9, 2.7>]
      [0.57 rgb 0.08]
      [1.00 rgb <0.3, 0.28, 0.26>]
    }
    scale 120 translate -y*60
  }
  finish { emission 1 diffuse 0 ambient 0 }
  no_image no_shadow
  translate z*-140
}

// ---------------------------------------------------------------- lights
light_source {
  <42, 52, -48>, rgb <1.05, 0.97, 0.84>
  area_light x*12, y*12, 5, 5 adaptive 1 circular orient
}
light_source {
  <-55, 12, -40>, rgb <0.30, 0.31, 0.34>
  shadowless
}
light_source {           // back light through the epoxy
  <-6, 40, 55>, rgb <0.85, 0.72, 0.50>
  area_light x*10, y*10, 3, 3 adaptive 1 circular orient
}

// ------------------------------------------------------------- materials
#declare Epoxy = material {
  texture {
    pigment { rgbf <1.0, 0.96, 0.78, 0.975> }
    finish {
      ambient 0 diffuse 0.02
      specular 0.9 roughness 0.0015
      reflection { 0.035, 1 fresnel on }
      conserve_energy
    }
  }
  interior {
    ior 1.52
    fade_distance 9 fade_power 1001
    fade_color rgb <1.0, 0.77, 0.34>
  }
}

#declare LeadMetal = texture {
  pigment { rgb <0.94, 0.93, 0.91> }
  normal { bumps 0.06 scale <2, 0.7, 2> }      // stamped sheet is never quite flat
  finish {
    ambient 0 diffuse 0.12 brilliance 2
    specular 0.8 roughness 0.006 metallic
    reflection { 0.55, 0.8 metallic }
  }
}

#declare Gold = texture {
  pigment { rgb <0.95, 0.72, 0.30> }
  finish { ambient 0 diffuse 0.5 specular 0.8 roughness 0.01 metallic reflection { 0.3 metallic } }
}

// -------------------------------------------------------------- the LED
#declare BodyR   = 2.5;
#declare FlangeR = 2.9;
#declare FlangeH = 1.0;
#declare DomeY   = 6.2;      // centre of the hemispherical top
#declare Pitch   = 2.54;
#declare LegW    = 0.5;
#declare FrameT  = 0.42;     // thickness of the lead frame sheet

#declare Body = merge {
  intersection {      // flange, with the flat that marks the cathode side
    cylinder { <0, 0, 0>, <0, FlangeH, 0>, FlangeR }
    box { <-2.62, -1, -4>, <4, 2, 4> }
  }
  cylinder { <0, FlangeH * 0.5, 0>, <0, DomeY, 0>, BodyR }
  sphere { <0, DomeY, 0>, BodyR }
}

// A flat outline in the xy plane, pressed into sheet metal of thickness FrameT.
#macro Sheet(Points)
  prism {
    linear_spline -FrameT / 2, FrameT / 2, dimension_size(Points, 1),
    #for (I, 0, dimension_size(Points, 1) - 1) Points[I] #end
    rotate -x*90
  }
#end

// Legs: square wire with softened corners, so that they catch highlights.
#declare Leg = intersection {
  box { <-LegW / 2, -40, -LegW / 2>, <LegW / 2, 0.35, LegW / 2> }
  cylinder { <0, -41, 0>, <0, 1, 0>, LegW * 0.64 }
}

#declare XC = -Pitch / 2;    // cathode leg, on the left
#declare XA =  Pitch / 2;    // anode leg, on the right
#declare CupX = -0.15;
#declare CupTop = 4.95;

// Cathode: the big anvil carrying the reflector cup and the chip.
#declare Anvil = union {
  Sheet(array[11] {
    <XC - LegW / 2, 0.3>, <XC + LegW / 2, 0.3>, <XC + LegW / 2, 1.9>,
    <-0.15, 2.6>, <0.32, 3.5>, <0.32, CupTop - 0.3>, <-0.85, CupTop - 0.3>,
    <-1.62, 4.0>, <-1.62, 3.2>, <XC - LegW / 2, 2.5>,
    <XC - LegW / 2, 0.3>
  })
  difference {        // the cup: a thick collar with a conical hollow
    cylinder { <CupX, CupTop - 0.7, 0>, <CupX, CupTop, 0>, 0.62 }
    cone { <CupX, CupTop - 0.4, 0>, 0.22, <CupX, CupTop + 0.01, 0>, 0.52 }
  }
  // the leg below, through the flange and out of the picture
  object { Leg translate x*XC }
  texture { LeadMetal }
}

// Anode: a narrow post whose tip leans towards the cup.
#declare Post = union {
  Sheet(array[9] {
    <XA - LegW / 2, 0.3>, <XA + LegW / 2, 0.3>, <XA + LegW / 2, 4.15>,
    <1.32, 4.75>, <0.80, 4.98>, <0.72, 4.62>, <XA - LegW / 2 + 0.02, 4.05>,
    <XA - LegW / 2, 3.0>, <XA - LegW / 2, 0.3>
  })
  object { Leg translate x*XA }
  texture { LeadMetal }
}

#declare Chip = box {
  <-0.15, 0, -0.15>, <0.15, 0.2, 0.15>
  texture {
    pigment { rgb <0.16, 0.14, 0.13> }
    finish { ambient 0 diffuse 0.5 specular 0.6 roughness 0.02 }
  }
  translate <CupX, CupTop - 0.4, 0>
}

#declare BondWire = sphere_sweep {
  b_spline 5,
  <CupX - 0.05, CupTop - 0.25, 0>, 0.018
  <CupX, CupTop - 0.2, 0>, 0.018
  <0.2, CupTop + 0.35, 0>, 0.018
  <0.85, CupTop + 0.05, 0>, 0.018
  <1.0, CupTop - 0.2, 0>, 0.018
  texture { Gold }
}

#declare Turn = -12;   // turned a little so the lead frame shows some depth
union {
  object { Body material { Epoxy } }
  object { Anvil }
  object { Post }
  object { Chip }
  object { BondWire }
  rotate y*Turn
}

// ------------------------------------------------------- polarity marks
// White discs with a bold sign, placed in the camera's frame at a known
// pixel position; self-lit and unshaded so they read like a caption.
#declare MarkDepth = 40;                 // in front of the LED
#declare PxToUnit = MarkDepth / Lens / ImgH;

#macro Mark(Cx, Cy, Plus)
  union {
    cylinder {
      <0, 0, 0>, <0, 0, 0.01>, 24
      pigment { rgb 1 }
      finish { emission 1 diffuse 0 ambient 0 }
    }
    union {
      box { <-13, -3.5, -0.05>, <13, 3.5, 0> }
      #if (Plus)
        box { <-3.5, -13, -0.05>, <3.5, 13, 0> }
      #end
      pigment { rgb 0 }
      finish { emission 0 diffuse 0 ambient 0 }
    }
    scale <PxToUnit, PxToUnit, 1>
    translate <(Cx - ImgW / 2) * PxToUnit, (ImgH / 2 - Cy) * PxToUnit, MarkDepth>
    transform { CamT }
    no_shadow no_reflection
  }
#end

// The window clips the picture's two rightmost columns, hence 42 not 40.
Mark(40, 452, false)             // cathode, left leg
Mark(ImgW - 42, 452, true)       // anode, right leg
