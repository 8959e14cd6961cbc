#version 110

uniform sampler2D texture0;
uniform sampler2D texture1;
uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;

varying vec2 fs_tex;

// A wavering band of aurora light with faint twinkling stars.
void main()
{
    vec2 uv = vec2(gl_FragCoord.x / viewportWidth, gl_FragCoord.y / viewportHeight);

    // Two scrolling noise samples: o shifts the second, d distorts the band.
    float o = texture2D(texture0, vec2(0.25 * uv.x, 0.25 * uv.y + 0.025 * iTime)).r;
    float d = 2.0 * texture2D(texture1, vec2(0.25 * uv.x, 0.25 * uv.y - (0.02 * iTime + 0.02 * o))).r - 1.0;

    // A tent around the distorted middle height, kept at 0 where it would go
    // negative so that the power below stays defined.
    float v = uv.y + 0.1 * d;
    v = max(1.0 - abs(2.0 * v - 1.0), 0.0);
    v = pow(v, 2.0 + 0.5 * sin(6.31 * (0.2 * iTime + 0.25 * d)));

    float x = 1.0 - 0.75 * uv.x;
    float y = 1.0 - abs(2.0 * uv.y - 1.0);
    vec3 colour = vec3(0.5 * x, y, x) * v;

    vec2 r = vec2(fract(43758.5453 * sin(12.9898 * gl_FragCoord.x + 78.2330 * gl_FragCoord.y)),
                  fract(43758.5453 * sin(53.7842 * gl_FragCoord.x + 47.5134 * gl_FragCoord.y)));
    float w = (0.5 * sin((2.5 * iTime + 60.0) * r.y) + 0.5) * pow(r.y, 4.0);
    float s = mix(r.x, w, 0.04);
    colour = colour + pow(s, 70.0) * (1.0 - v);

    gl_FragColor = vec4(colour, 1.0);
}
//~
